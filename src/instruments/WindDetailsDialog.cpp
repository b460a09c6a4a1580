#include "instruments/WindDetailsDialog.h"

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/InstrumentHost.h"
#include "instruments/WindDoc.h"

namespace {

DialogData BuildDialog(const CWindDoc& doc)
{
    const WindInstrument& w = doc.wind;
    DialogData dialog;
    dialog.resourceId = 116;
    dialog.caption = " Wind Instrument Details";
    AddNameAndFontRows(dialog, doc);
    dialog.Add(1041, DialogControl::Kind::Label, "Fingering Method: baroque");
    dialog.Add(1042, DialogControl::Kind::Label, "All closed Tuning: " + std::string(w.tuning.Text()));
    dialog.Add(1039, DialogControl::Kind::Label, "Octave: " + std::to_string(w.octave));
    dialog.Add(1040, DialogControl::Kind::Label, "Type: recorder");
    dialog.Add(1043, DialogControl::Kind::Label, "Voice ID: " + std::to_string(w.voice));
    dialog.Add(1021, DialogControl::Kind::Label, "Voice Name: " + doc.Host().ProgramName(w.voice));
    // The recorder is always drawn across and in its normal order.
    dialog.Add(1029, DialogControl::Kind::Label, "Orientation: Horizontal");
    dialog.Add(1031, DialogControl::Kind::Label, "Perspective: Normal");
    dialog.extraButtons = {kResetDetails};
    return dialog;
}

} // namespace

void RunWindDetails(CWindDoc& doc)
{
    DialogData dialog = BuildDialog(doc);
    RunDetails(doc, dialog, ScaleRanges(), [&doc](const DialogData& chosen) { TakeScaleRatios(chosen, doc); });
}
