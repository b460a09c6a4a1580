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
#include <vector>

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

// The rows in which at least `length` pixels in a row are inked: the
// staff's lines.
std::vector<int> LongRows(const QImage& image, int length)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = Inked(image, x, y) ? run + 1 : 0;
            if (run >= length) {
                rows.push_back(y);
                break;
            }
        }
    return rows;
}

DrawingCanvas* CanvasOf(QtPorts& ports, CDocument* document)
{
    for (QMdiSubWindow* sub : ports.Windows().Widget().Area().subWindowList())
        if (auto* drawn = qobject_cast<DrawingCanvas*>(sub->widget());
            drawn && drawn->Link().View() == document->FirstView())
            return drawn;
    return nullptr;
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

    DrawingCanvas* canvas = CanvasOf(ports, guitar);
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

// A sheet window's grid rows are 6 pixels, half the line-drawing font's 12:
// its five staff lines stand two rows (12 pixels) apart.
TEST(InstrumentPaint, TheSheetsStaffLinesStandTwoRowsOfSixPixelsApart)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    CReferenceApp* app = gui.app.get();
    int entry = app->Instruments().FindInstrument("Treble-Clef");
    ASSERT_GE(entry, 0);
    CDocument* staff = app->Models().Primary()->AddInstrument(entry);
    ASSERT_NE(staff, nullptr);
    QApplication::processEvents();
    DrawingCanvas* canvas = CanvasOf(*gui.ports, staff);
    ASSERT_NE(canvas, nullptr);
    canvas->resize(900, 400);
    QImage picture = canvas->viewport()->grab().toImage();
    if (const char* keep = std::getenv("MORVIX_KEEP_PAINT"))
        picture.save(QString::fromLocal8Bit(keep));

    std::vector<int> rows = LongRows(picture, 100);
    // A line may ink two pixel rows; count each line once, by its first row.
    std::vector<int> lines;
    for (int y : rows)
        if (lines.empty() || y > lines.back() + 2)
            lines.push_back(y);
    ASSERT_EQ(lines.size(), 5u) << "the five lines of the staff";
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i] - lines[i - 1], 12) << "line " << i;
}
