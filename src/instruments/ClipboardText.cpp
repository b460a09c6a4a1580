#include "instruments/ClipboardText.h"

#include <algorithm>

#include "framework/CodePage437.h"
#include "instruments/InstrumBase.h"

namespace {

constexpr int kMargin = 4;

int MarginOff(int scroll)
{
    return scroll >= kMargin ? scroll - kMargin : 0;
}

} // namespace

std::string CopyAllText(const InstrumBase& base)
{
    std::string text;
    for (const std::string& line : base.ValidLines())
        text += line + "\r\n";
    return text + "\r\n";
}

// The first visible column and line are rounded to the nearest cell; a font
// without a size counts as one pixel so that nothing divides by zero.
std::string VignetteText(const InstrumBase& base, const VisibleArea& area)
{
    double fw = std::max(1, area.fontWidth);
    double fh = std::max(1, area.fontHeight);
    auto firstColumn = static_cast<std::size_t>(MarginOff(area.scrollX) / fw + 0.5);
    auto columns = static_cast<std::size_t>(std::max(0, area.clientWidth) / fw);
    int firstLine = static_cast<int>(MarginOff(area.scrollY) / fh + 0.5);
    int lastLine = firstLine + static_cast<int>(std::max(0, area.clientHeight) / fh);
    std::vector<std::string> lines = base.ValidLines();
    std::string text;
    for (int i = firstLine; i < lastLine && i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (line.size() > firstColumn)
            text += line.substr(firstColumn, columns);
        text += "\r\n";
    }
    return text + "\r\n";
}

std::string GridTextToUtf8(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        AppendUtf8(text, byte < 0x80 ? static_cast<char16_t>(byte) : Cp437ToUnicode(byte));
    }
    return text;
}
