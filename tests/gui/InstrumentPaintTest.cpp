// An instrument window painted offscreen: the board's box-drawing glyphs
// must join from cell to cell, across a string and down the nut.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "instruments/StringedDoc.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

// Thin lines are smoothed over two pixel rows: anything clearly darker
// than the white background counts.
bool Inked(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 208;
}

int LongestRow(const QImage& image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = Inked(image, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

int LongestColumn(const QImage& image)
{
    int longest = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0, run = 0; y < image.height(); ++y) {
            run = Inked(image, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

}  // namespace

TEST(InstrumentPaint, TheFretboardsLinesJoinCellToCell)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();
    int entry = app->Instruments().FindInstrument("Guitar");
    ASSERT_GE(entry, 0);
    auto* guitar = dynamic_cast<CStringedDoc*>(app->Models().Primary()->AddInstrument(entry));
    ASSERT_NE(guitar, nullptr);
    guitar->stringed.fretCount = 5;
    QApplication::processEvents();

    DrawingCanvas* canvas = nullptr;
    for (QMdiSubWindow* sub : ports.Windows().Widget().Area().subWindowList())
        if (auto* drawn = qobject_cast<DrawingCanvas*>(sub->widget()); drawn && drawn->Link().View() == guitar->FirstView())
            canvas = drawn;
    ASSERT_NE(canvas, nullptr);
    canvas->resize(600, 300);
    QImage picture = canvas->viewport()->grab().toImage();
    if (const char* keep = std::getenv("MORVIX_KEEP_PAINT"))
        picture.save(QString::fromLocal8Bit(keep));

    int cell = guitar->base.logFont.width;
    int line = guitar->base.logFont.height;
    ASSERT_GT(cell, 0);
    // A string runs unbroken over a fret without a note (five cells at least)...
    EXPECT_GE(LongestRow(picture), 5 * cell);
    // ...and the nut's crosses join down all six strings.
    EXPECT_GE(LongestColumn(picture), 5 * line);
    EXPECT_GT(guitar->base.charSet, 0);  // the line-drawing glyphs, not ASCII
}
