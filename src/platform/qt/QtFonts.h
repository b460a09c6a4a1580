#pragma once
// Fonts port: metrics as Qt renders the font on this display.
#include "framework/Font.h"

class QtFonts : public IFonts {
public:
    QtFonts();
    FontMetrics Measure(const LogFont& font) override;
    LogFont SystemFont() override;
    LogFont FixedOemFont() override;
};
