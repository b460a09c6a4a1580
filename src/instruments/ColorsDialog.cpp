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

// One row: what the colour is for, the button that changes it and a
// swatch of the colour it is now.
void AddColorRow(DialogData& dialog, int labelId, const char* label, int button, const char* buttonText, Color color)
{
    dialog.Add(labelId, DialogControl::Kind::Label, label);
    dialog.Add(button, DialogControl::Kind::Button, buttonText).sameRow = true;
    DialogControl& swatch = dialog.Add(button + 100, DialogControl::Kind::Swatch, "");
    swatch.value = static_cast<int>(color);
    swatch.sameRow = true;
}

DialogData BuildDialog(const ViewColors& colors)
{
    DialogData dialog;
    dialog.resourceId = 136;
    dialog.caption = "Colors";
    dialog.Add(1, DialogControl::Kind::Label,
               "Select colors for this document view and press OK to accept or Cancel to abort changes; use "
               "Reset for current standard settings.");
    AddColorRow(dialog, 2, "Text color:", kTextColor, "Foreground", colors.fore);
    AddColorRow(dialog, 3, "Window color:", kWindowColor, "Background", colors.back);
    AddColorRow(dialog, 4, "Highlight:", kHighlightText, "Foreground", colors.highlightFore);
    AddColorRow(dialog, 5, "Highlight:", kHighlightWindow, "Background", colors.highlightBack);
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
        DialogData dialog = BuildDialog(colors);
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
