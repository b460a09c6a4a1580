#include "instruments/SheetDetailsDialog.h"

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/SheetDoc.h"

namespace {

enum Control {
    kClefMethod = 1039,
    kChannel = 1061,
    kHighlight = 1068,
    kText = 1055,
    kGraph = 1056,
    kEvery = 1057,
    kAlternate = 1059,
};

enum Group { kViewStyleGroup = 1, kShowNotesGroup };

DialogData BuildDialog(const CSheetDoc& doc)
{
    DialogData dialog;
    dialog.resourceId = 115;
    dialog.caption = " Sheet Music Format Details";
    AddNameAndFontRows(dialog, doc);
    dialog.Add(kClefMethod, DialogControl::Kind::Label, "Clef Method: " + std::string(1, doc.sheet.clefCode));
    AddNumber(dialog, kChannel, "Channel:", doc.channel);
    DialogControl& highlight = dialog.Add(kHighlight, DialogControl::Kind::DropList, "Highlight");
    highlight.choices = {"No", "Yes"};
    highlight.value = doc.sheet.highlight == 'y' ? 1 : 0;
    AddRadio(dialog, kText, "View Style: Text", kViewStyleGroup, doc.base.viewStyle == 't');
    AddRadio(dialog, kGraph, "View Style: Graph", kViewStyleGroup, doc.base.viewStyle == 'g');
    AddRadio(dialog, kEvery, "Show Notes: Every", kShowNotesGroup, doc.sheet.showNotes == 'e');
    AddRadio(dialog, kAlternate, "Show Notes: Alternate", kShowNotesGroup, doc.sheet.showNotes == 'a');
    dialog.extraButtons = {kResetDetails};
    return dialog;
}

void TakeChoices(const DialogData& dialog, CSheetDoc& doc)
{
    TakeScaleRatios(dialog, doc);
    doc.channel = NumberOf(dialog, kChannel);
    doc.sheet.highlight = SelectionOf(dialog, kHighlight) == 1 ? 'y' : 'n';
    if (IsChecked(dialog, kText))
        doc.base.viewStyle = 't';
    else if (IsChecked(dialog, kGraph))
        doc.base.viewStyle = 'g';
    if (IsChecked(dialog, kEvery))
        doc.sheet.showNotes = 'e';
    else if (IsChecked(dialog, kAlternate))
        doc.sheet.showNotes = 'a';
}

} // namespace

// The new scale ratios take effect when the font is next made; the rest at once.
void RunSheetDetails(CSheetDoc& doc)
{
    DialogData dialog = BuildDialog(doc);
    std::vector<NumberRange> ranges = ScaleRanges();
    ranges.push_back({kChannel, -1, 16});
    RunDetails(doc, dialog, ranges, [&doc](const DialogData& chosen) { TakeChoices(chosen, doc); });
}
