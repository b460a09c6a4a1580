#include "instruments/KeyboardDetailsDialog.h"

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/InstrumentHost.h"
#include "instruments/KeyboardDoc.h"

namespace {

enum Control {
    kKeyCount = 1034,
    kMiddleC = 1033,
    kOctave = 1039,
    kVoiceId = 1040,
    kVoiceName = 1021,
    kChannel = 1041,
    kHorizontal = 1029,
    kVertical = 1030,
    kMove = 1035,
    kStay = 1036,
    kPerspective = 1031,
    kClear = 1037,
    kTranslucent = 1043,
    kOpaque = 1038,
    kText = 1055,
    kGraph = 1056,
};

enum Group { kOrientationGroup = 1, kPositionGroup, kTopKeyGroup, kViewStyleGroup };

DialogData BuildDialog(const CKeyboardDoc& doc)
{
    const KeyboardInstrument& k = doc.keyboard;
    DialogData dialog;
    dialog.resourceId = 114;
    dialog.caption = " Keyboard Instrument Details";
    AddNameAndFontRows(dialog, doc);
    AddNumber(dialog, kKeyCount, "Key count:", k.keyCount);
    // Shown as the catalogue has them; the drawing does not depend on them.
    dialog.Add(kMiddleC, DialogControl::Kind::Edit, "Middle C:").text = std::string(k.tuning.Text());
    AddNumber(dialog, kOctave, "Octave:", k.octave);
    AddNumber(dialog, kVoiceId, "Voice ID:", k.voice);
    dialog.Add(kVoiceName, DialogControl::Kind::Label, "Voice Name: " + doc.Host().ProgramName(k.voice));
    AddNumber(dialog, kChannel, "Channel:", doc.channel);
    AddRadio(dialog, kHorizontal, "Orientation: Horizontal", kOrientationGroup, k.orientation == 'a');
    AddRadio(dialog, kVertical, "Orientation: Vertical", kOrientationGroup, k.orientation == 'd');
    AddRadio(dialog, kMove, "Position: Move", kPositionGroup, k.position == 'm');
    AddRadio(dialog, kStay, "Position: Stay", kPositionGroup, k.position == 's');
    // Only the normal perspective is drawn.
    dialog.Add(kPerspective, DialogControl::Kind::Label, "Perspective: Normal");
    AddRadio(dialog, kClear, "Top keys: Clear", kTopKeyGroup, k.topKey == 'c');
    AddRadio(dialog, kTranslucent, "Top keys: Translucent", kTopKeyGroup, k.topKey == 't');
    AddRadio(dialog, kOpaque, "Top keys: Opaque", kTopKeyGroup, k.topKey == 'o');
    AddRadio(dialog, kText, "View Style: Text", kViewStyleGroup, doc.base.viewStyle == 't');
    AddRadio(dialog, kGraph, "View Style: Graph", kViewStyleGroup, doc.base.viewStyle == 'g');
    dialog.extraButtons = {kResetDetails};
    return dialog;
}

// A choice none of whose buttons is checked keeps the document's value.
char Chosen(const DialogData& dialog, std::initializer_list<std::pair<int, char>> buttons, char kept)
{
    for (auto [id, code] : buttons)
        if (IsChecked(dialog, id))
            return code;
    return kept;
}

void TakeChoices(const DialogData& dialog, CKeyboardDoc& doc)
{
    KeyboardInstrument& k = doc.keyboard;
    TakeScaleRatios(dialog, doc);
    k.keyCount = NumberOf(dialog, kKeyCount);
    doc.channel = NumberOf(dialog, kChannel);
    char orientation = Chosen(dialog, {{kHorizontal, 'a'}, {kVertical, 'd'}}, k.orientation);
    if (orientation != k.orientation)
        doc.base.ClearLines();
    k.orientation = orientation;
    k.position = Chosen(dialog, {{kMove, 'm'}, {kStay, 's'}}, k.position);
    k.topKey = Chosen(dialog, {{kClear, 'c'}, {kTranslucent, 't'}, {kOpaque, 'o'}}, k.topKey);
    doc.base.viewStyle = Chosen(dialog, {{kText, 't'}, {kGraph, 'g'}}, doc.base.viewStyle);
}

} // namespace

// The new scale ratios take effect when the font is next made; the
// keyboard's choices at once.
void RunKeyboardDetails(CKeyboardDoc& doc)
{
    DialogData dialog = BuildDialog(doc);
    std::vector<NumberRange> ranges = ScaleRanges();
    ranges.push_back({kKeyCount, 0, KeyboardInstrument::kMaxKeys});
    ranges.push_back({kChannel, -1, 16});
    RunDetails(doc, dialog, ranges, [&doc](const DialogData& chosen) { TakeChoices(chosen, doc); });
}
