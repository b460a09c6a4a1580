#include "instruments/StringedDetailsDialog.h"

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/InstrumentHost.h"
#include "instruments/StringTuning.h"
#include "instruments/StringedDoc.h"

namespace {

enum Control {
    kFretCount = 1020,
    kStringCount = 1022,
    kTunings = 1023,
    kVoiceId = 1040,
    kVoiceName = 1021,
    kChannel = 1024,
    kShowFrets = 1045,
    kStringType = 1046,
    kRight = 1027,
    kLeft = 1028,
    kHorizontal = 1029,
    kVertical = 1030,
    kNormal = 1031,
    kReverse = 1032,
    kCapo = 1047,
};

constexpr int kMaxDialogFrets = 48;

DialogData BuildDialog(const CStringedDoc& doc)
{
    const StringedInstrument& s = doc.stringed;
    DialogData dialog;
    dialog.resourceId = 113;
    dialog.caption = " Stringed Instrument Details";
    AddNameAndFontRows(dialog, doc);
    AddNumber(dialog, kFretCount, "Fret count:", s.fretCount);
    dialog.Add(kStringCount, DialogControl::Kind::Label, "String count: " + std::to_string(s.stringCount));
    dialog.Add(kTunings, DialogControl::Kind::Edit, "String tunings:").text = FormatTuning(s);
    AddNumber(dialog, kCapo, "Capo fret (0: none):", s.capo);
    AddNumber(dialog, kVoiceId, "Voice ID:", s.voice);
    dialog.Add(kVoiceName, DialogControl::Kind::Label, "Voice Name: " + doc.Host().ProgramName(s.voice));
    AddNumber(dialog, kChannel, "Channel:", doc.channel);
    DialogControl& frets = dialog.Add(kShowFrets, DialogControl::Kind::DropList, "Show Frets:");
    frets.choices = {"No", "Yes"};
    frets.value = s.fretStatus == 'y' ? 1 : 0;
    DialogControl& type = dialog.Add(kStringType, DialogControl::Kind::DropList, "String Type:");
    type.choices = {"Single", "Double"};
    type.value = s.stringType == 's' ? 0 : 1;
    AddRadio(dialog, kRight, "Handed: Right", 1, s.handedness == 'r');
    AddRadio(dialog, kLeft, "Handed: Left", 1, s.handedness != 'r');
    AddRadio(dialog, kHorizontal, "Orientation: Horizontal", 2, s.orientation == 'a');
    AddRadio(dialog, kVertical, "Orientation: Vertical", 2, s.orientation != 'a');
    AddRadio(dialog, kNormal, "Perspective: Normal", 3, s.perspective == 'n');
    AddRadio(dialog, kReverse, "Perspective: Reverse", 3, s.perspective != 'n');
    dialog.extraButtons = {kResetDetails};
    return dialog;
}

// The tunings must name a note and an octave for every string, and a capo
// must lie on the board.
std::string CheckTuningAndCapo(const DialogData& dialog, const CStringedDoc& doc)
{
    StringedInstrument tried = doc.stringed;
    std::string problem;
    const DialogControl* tunings = dialog.Find(kTunings);
    if (tunings && !ReadTuning(tunings->text, doc.Speller(), tried, problem))
        return problem;
    int frets = NumberOf(dialog, kFretCount);
    if (NumberOf(dialog, kCapo) > frets)
        return "The capo must lie on one of the " + std::to_string(frets) + " frets, or at 0 for none.";
    return {};
}

void TakeChoices(const DialogData& dialog, CStringedDoc& doc)
{
    StringedInstrument& s = doc.stringed;
    std::string problem;
    if (const DialogControl* tunings = dialog.Find(kTunings))
        ReadTuning(tunings->text, doc.Speller(), s, problem);
    s.capo = NumberOf(dialog, kCapo);
    TakeScaleRatios(dialog, doc);
    s.fretCount = NumberOf(dialog, kFretCount);
    doc.channel = NumberOf(dialog, kChannel);
    s.fretStatus = SelectionOf(dialog, kShowFrets) == 1 ? 'y' : 'n';
    s.stringType = SelectionOf(dialog, kStringType) == 0 ? 's' : 'd';
    s.handedness = IsChecked(dialog, kRight) ? 'r' : 'l';
    char orientation = IsChecked(dialog, kHorizontal) ? 'a' : 'd';
    bool turned = orientation != s.orientation;
    s.orientation = orientation;
    s.perspective = IsChecked(dialog, kNormal) ? 'n' : 'r';
    // A board turned between horizontal and vertical is refitted to its new shape.
    if (turned)
        doc.FitWindow(-1, -1);
}

} // namespace

// The new scale ratios take effect when the font is next made; the board's
// choices, its tuning and capo at once.
void RunStringedDetails(CStringedDoc& doc)
{
    DialogData dialog = BuildDialog(doc);
    std::vector<NumberRange> ranges = ScaleRanges();
    ranges.push_back({kFretCount, 5, kMaxDialogFrets});
    ranges.push_back({kChannel, -1, 16});
    ranges.push_back({kCapo, 0, kMaxDialogFrets});
    RunDetails(
        doc, dialog, ranges, [&doc](const DialogData& chosen) { TakeChoices(chosen, doc); },
        [&doc](const DialogData& chosen) { return CheckTuningAndCapo(chosen, doc); });
}
