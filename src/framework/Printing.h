#pragma once
// Printing port: what a view hands the printer, and the printer itself.
#include <functional>
#include <string>

#include "framework/Drawing.h"
#include "framework/Font.h"
#include "framework/Windows.h"

struct PrintJob {
    std::string title;
    // A text view prints its text in its font...
    std::string text;
    LogFont font;
    // ...its lines kept whole when they are a grid: never wrapped, the font
    // made smaller until the longest fits the page width.
    bool grid = false;
    // ...a drawn view its drawing, scaled to the page width.
    Size drawingSize{};
    std::function<void(IDrawingSurface&)> draw;

    bool IsDrawing() const { return static_cast<bool>(draw); }
};

class IPrinter {
public:
    virtual ~IPrinter() = default;
    // The printer and page settings dialog; false when cancelled.
    virtual bool Setup() = 0;
    // Prints after the print dialog, or shows the preview; false when
    // cancelled or nothing could be printed.
    virtual bool Print(const PrintJob& job, bool preview) = 0;
};
