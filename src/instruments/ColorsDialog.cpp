#include "instruments/ColorsDialog.h"

#include "framework/Dialog.h"
#include "framework/Prompts.h"

namespace {

enum Control {
    kTextColor = 1052,
    kWindowColor = 1053,
    kHighlightText = 1054,
    kHighlightWindow = 1055,
    kReset = 1014,
};

DialogData BuildDialog()
{
    DialogData dialog;
    dialog.resourceId = 136;
    dialog.caption = "Colors";
    dialog.Add(1, DialogControl::Kind::Label,
               "Select colors for this document view and press OK to accept or Cancel to abort changes; use "
               "Reset for current standard settings.");
    dialog.Add(2, DialogControl::Kind::Label, "Text color:");
    dialog.Add(kTextColor, DialogControl::Kind::Button, "Foreground");
    dialog.Add(3, DialogControl::Kind::Label, "Window color:");
    dialog.Add(kWindowColor, DialogControl::Kind::Button, "Background");
    dialog.Add(4, DialogControl::Kind::Label, "Highlight:");
    dialog.Add(kHighlightText, DialogControl::Kind::Button, "Foreground");
    dialog.Add(5, DialogControl::Kind::Label, "Highlight:");
    dialog.Add(kHighlightWindow, DialogControl::Kind::Button, "Background");
    dialog.extraButtons = {kTextColor, kWindowColor, kHighlightText, kHighlightWindow, kReset};
    return dialog;
}

// A cancelled chooser keeps the colour.
void Choose(IPrompts& prompts, Color start, Color& target)
{
    if (std::optional<unsigned> chosen = prompts.ChooseColor(start))
        target = *chosen;
}

} // namespace

// Each colour button closes the form; the chooser runs and the form comes
// back with the colours chosen so far.
std::optional<ViewColors> RunColorsDialog(IPrompts& prompts, const ViewColors& start)
{
    ViewColors colors = start;
    for (;;) {
        DialogData dialog = BuildDialog();
        switch (prompts.RunDialog(dialog)) {
        case IDOK: return colors;
        case kReset: return ViewColors{};
        case kTextColor: Choose(prompts, colors.fore, colors.fore); break;
        case kWindowColor: Choose(prompts, colors.back, colors.back); break;
        case kHighlightText: Choose(prompts, colors.fore, colors.highlightFore); break;
        case kHighlightWindow: Choose(prompts, colors.back, colors.highlightBack); break;
        default: return std::nullopt;
        }
    }
}
