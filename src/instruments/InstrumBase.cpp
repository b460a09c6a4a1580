#include "instruments/InstrumBase.h"

#include <algorithm>
#include <cmath>

#include "harmony/Notation.h"

void InstrumBase::SetBaseDefaults()
{
    fontHeightRatio = fontWidthRatio = 1.0;
    notation = 'e';
    chordTones = 'n';
    viewStyle = 't';
    foreColor = 0;
    backColor = 16777215;
    highlightForeColor = 8388608;
    highlightBackColor = 8454143;
}

// Lines are emptied in place so that redrawing reuses their buffers.
void InstrumBase::ClearLines()
{
    lines.resize(kLineSlots);
    for (std::string& line : lines)
        line.clear();
    lineCount = 0;
}

void InstrumBase::AppendLine(std::string line)
{
    if (static_cast<std::size_t>(lineCount) >= lines.size())
        lines.resize(static_cast<std::size_t>(lineCount) + kLineSlots);
    lines[static_cast<std::size_t>(lineCount++)] = std::move(line);
}

std::vector<std::string> InstrumBase::ValidLines() const
{
    auto end = lines.begin() + std::min<std::ptrdiff_t>(lineCount, static_cast<std::ptrdiff_t>(lines.size()));
    return {lines.begin(), end};
}

bool IsFontRatio(double ratio)
{
    // The dialogs' percentages times 0.01 may land a hair beside the bounds.
    constexpr double kSlack = 1e-9;
    return std::isfinite(ratio) && ratio >= kSmallestFontRatio - kSlack && ratio <= kLargestFontRatio + kSlack;
}

bool InstrumBase::InRange() const
{
    auto cell = [](int pixels) { return pixels > 0 && pixels <= kLargestCell; };
    return IsNotationCode(notation) && IsChordSetCode(chordset) && (viewStyle == 't' || viewStyle == 'g') &&
           IsFontRatio(fontHeightRatio) && IsFontRatio(fontWidthRatio) && cell(fontHeightNormal) &&
           cell(fontWidthNormal) && descent >= 0 && descent <= kLargestCell && scrollWidth >= 0 &&
           scrollHeight >= 0 && IsShowablePlacement(placement);
}

void InstrumBase::ApplyFontRatios()
{
    logFont.height = ScaledFontSize(fontHeightNormal, fontHeightRatio);
    logFont.width = ScaledFontSize(fontWidthNormal, fontWidthRatio);
}

int ScaledFontSize(int normal, double ratio)
{
    constexpr double kLargest = 4096;
    double size = static_cast<double>(normal) * ratio;
    if (!(size > 0))
        return 0;
    return static_cast<int>(std::min(size, kLargest));
}
