#include "instruments/GridLines.h"

#include <algorithm>

#include "framework/Drawing.h"
#include "instruments/InstrumBase.h"

namespace {

constexpr int kMargin = 4;

} // namespace

// Only the lines that reach into the clip box are written.
void PaintGridLines(IDrawingSurface& surface, const InstrumBase& base)
{
    Rect clip = surface.ClipBox();
    surface.FillRect({0, 0, clip.right, clip.bottom}, base.backColor);
    int height = std::max(1, base.logFont.height);
    int first = std::max(0, (clip.top - kMargin) / height);
    int last = std::min(base.lineCount, static_cast<int>(base.lines.size()) - 1);
    last = std::min(last, (clip.bottom - kMargin) / height + 1);
    for (int i = first; i <= last && i < base.lineCount; ++i)
        surface.Text(kMargin, kMargin + i * height, base.lines[static_cast<std::size_t>(i)], base.logFont,
                     base.foreColor, base.backColor, false);
}

PrintJob GridPrintJob(const std::string& title, const std::vector<std::string>& lines, LogFont font, int cellWidth,
                      int cellHeight)
{
    PrintJob job;
    job.title = title;
    for (const std::string& line : lines)
        job.text += line + "\n";
    font.width = cellWidth;
    font.height = cellHeight;
    job.font = font;
    job.grid = true;
    return job;
}
