#pragma once
// The "Colors" dialog of the instrument windows: text and window colours,
// and the two highlight colours, each from the system colour chooser.
#include <optional>

#include "framework/Drawing.h"

class IPrompts;

struct ViewColors {
    Color fore = 0;
    Color back = 16777215;
    Color highlightFore = 8388608;
    Color highlightBack = 8454143;
};

// The colours chosen on OK; the standard colours on Reset; none on Cancel.
std::optional<ViewColors> RunColorsDialog(IPrompts& prompts, const ViewColors& start);
