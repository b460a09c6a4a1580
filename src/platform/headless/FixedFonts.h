#pragma once
// Fonts port with fixed metrics: every character cell is width x height of
// the requested font (8 x 16 when it gives none), so drawn views lay out
// the same on every machine.
#include "framework/Font.h"

class FixedFonts : public IFonts {
public:
    FontMetrics Measure(const LogFont& font) override;
    LogFont SystemFont() override;
    LogFont FixedOemFont() override;

    // 2 for the two line-drawing faces, 255 for the known monospaced faces
    // with box-drawing glyphs, 0 for any other face.
    static int CharacterSet(const std::string& faceName);
};
