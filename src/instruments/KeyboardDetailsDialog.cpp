#include "instruments/KeyboardDetailsDialog.h"

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "harmony/NoteSpeller.h"
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
    // The first key's note and octave, and the program the keyboard names.
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

// The first key must be a note the speller knows, as the keyboard is laid
// out from it.
std::string TuningProblem(const DialogData& dialog, const CNoteSpeller& speller)
{
    std::string name = TextOf(dialog, kMiddleC);
    NotePosition position;
    if (name.size() <= 3 && speller.FindName(name, position))
        return {};
    return "Please enter a note name such as C, F# or Bb.";
}

// A keyboard turned between horizontal and vertical is refitted to its new
// shape.
void TakeChoices(const DialogData& dialog, CKeyboardDoc& doc)
{
    KeyboardInstrument& k = doc.keyboard;
    TakeScaleRatios(dialog, doc);
    k.keyCount = NumberOf(dialog, kKeyCount);
    k.tuning.Set(TextOf(dialog, kMiddleC));
    k.octave = NumberOf(dialog, kOctave);
    k.voice = NumberOf(dialog, kVoiceId);
    doc.channel = NumberOf(dialog, kChannel);
    char orientation = ChosenCode(dialog, {{kHorizontal, 'a'}, {kVertical, 'd'}}, k.orientation);
    bool turned = orientation != k.orientation;
    if (turned)
        doc.base.ClearLines();
    k.orientation = orientation;
    k.position = ChosenCode(dialog, {{kMove, 'm'}, {kStay, 's'}}, k.position);
    k.topKey = ChosenCode(dialog, {{kClear, 'c'}, {kTranslucent, 't'}, {kOpaque, 'o'}}, k.topKey);
    doc.base.viewStyle = ChosenCode(dialog, {{kText, 't'}, {kGraph, 'g'}}, doc.base.viewStyle);
    if (turned)
        doc.FitWindow(-1, -1);
}

} // namespace

// The new scale ratios take effect when the font is next made; the
// keyboard's choices at once. Octave and voice are kept within MIDI's range.
void RunKeyboardDetails(CKeyboardDoc& doc)
{
    DialogData dialog = BuildDialog(doc);
    std::vector<NumberRange> ranges = ScaleRanges();
    ranges.push_back({kKeyCount, 0, KeyboardInstrument::kMaxKeys});
    ranges.push_back({kOctave, 0, 10});
    ranges.push_back({kVoiceId, 0, 127});
    ranges.push_back({kChannel, -1, 16});
    const CNoteSpeller& speller = doc.Speller();
    RunDetails(
        doc, dialog, ranges, [&doc](const DialogData& chosen) { TakeChoices(chosen, doc); },
        [&speller](const DialogData& chosen) { return TuningProblem(chosen, speller); });
}
