#include "platform/headless/RecordingPrinter.h"

#include <algorithm>
#include <ostream>

bool RecordingPrinter::Setup()
{
    out_ << "print setup\n";
    return true;
}

bool RecordingPrinter::Print(const PrintJob& job, bool preview)
{
    out_ << (preview ? "preview: " : "print: ") << job.title;
    if (job.IsDrawing()) {
        out_ << " (drawing " << job.drawingSize.cx << "x" << job.drawingSize.cy << ")\n";
        return true;
    }
    long lines = std::count(job.text.begin(), job.text.end(), '\n');
    if (!job.text.empty() && job.text.back() != '\n')
        ++lines;
    out_ << " (" << lines << " lines, " << job.font.faceName << ")\n";
    return true;
}
