// Painting primitives: images ANDed onto what is there, inverted
// rectangles, colours with red in the lowest byte.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>

#include "platform/qt/ImageStore.h"
#include "platform/qt/PainterSurface.h"

namespace {

constexpr Color kRed = MakeColor(255, 0, 0);

// A 10 x 10 white image with a black 5 x 5 square in its top-left corner.
void WriteImage(const QString& folder, int id)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 5, 5, Qt::black);
    image.save(folder + QStringLiteral("/%1.png").arg(id));
}

class PainterSurfaceTest : public ::testing::Test {
protected:
    PainterSurfaceTest() : images({dir.path()}), picture(40, 40, QImage::Format_RGB32)
    {
        WriteImage(dir.path(), 7);
        picture.fill(Qt::white);
    }

    template <class Draw>
    void Paint(Draw draw)
    {
        QPainter painter(&picture);
        PainterSurface surface(painter, images, picture.rect());
        draw(surface);
    }

    QTemporaryDir dir;
    ImageStore images;
    QImage picture;
};

}  // namespace

TEST_F(PainterSurfaceTest, ImagesKeepTheBackgroundWhereTheyAreWhite)
{
    Paint([](PainterSurface& s) {
        s.FillRect(Rect{0, 0, 40, 40}, kRed);
        s.Image(10, 10, 7);
        s.Image(0, 0, 99);  // no such image: nothing is drawn
    });
    EXPECT_EQ(picture.pixelColor(12, 12), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(17, 17), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::red));
}

TEST_F(PainterSurfaceTest, InvertRectFlipsOnlyItsRectangle)
{
    Paint([](PainterSurface& s) {
        s.FillRect(Rect{0, 0, 20, 40}, MakeColor(0, 0, 255));
        s.InvertRect(Rect{10, 10, 30, 30});
    });
    EXPECT_EQ(picture.pixelColor(12, 12), QColor(255, 255, 0));
    EXPECT_EQ(picture.pixelColor(25, 25), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(35, 35), QColor(Qt::white));
}

TEST_F(PainterSurfaceTest, OpaqueTextFillsItsCellsWithTheBackColour)
{
    LogFont font;
    font.height = -14;
    font.faceName = "Morvix LineDraw Light";
    Paint([&font](PainterSurface& s) { s.Text(0, 0, "   ", font, 0, kRed, true); });
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(39, 39), QColor(Qt::white));
}

// Box-drawing bytes are drawn as solid strokes that reach the cell's edges:
// a single line is one row of full colour, a double line two, and the
// strokes of neighbouring cells and lines meet without a gap.
TEST_F(PainterSurfaceTest, BoxDrawingStrokesAreSolidAndReachTheCellEdges)
{
    LogFont font;
    font.height = 12;
    font.faceName = "Morvix LineDraw Light";
    Paint([&font](PainterSurface& s) {
        s.Text(0, 0, "\xC4\xC4\xC4", font, 0, 16777215, false);   // ───
        s.Text(0, 12, "\xCD\xCD\xCD", font, 0, 16777215, false);  // ═══
        s.Text(0, 24, "\xB3", font, 0, 16777215, false);          // │ over two lines
    });
    auto inkedInRow = [this](int y) {
        int count = 0;
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        return count;
    };
    auto rowsFullyInked = [&](int top, int bottom, int width) {
        int rows = 0;
        for (int y = top; y < bottom; ++y)
            rows += inkedInRow(y) >= width ? 1 : 0;
        return rows;
    };
    int width = 0;
    for (int x = 0; x < picture.width(); ++x)
        width = picture.pixelColor(x, 6) == QColor(Qt::black) ? x + 1 : width;
    ASSERT_GT(width, 6);
    EXPECT_EQ(rowsFullyInked(0, 12, width), 1);
    EXPECT_EQ(rowsFullyInked(12, 24, width), 2);
    int column = -1;
    for (int x = 0; x < 12 && column < 0; ++x)
        if (picture.pixelColor(x, 24) == QColor(Qt::black))
            column = x;
    ASSERT_GE(column, 0);
    for (int y = 24; y < 36; ++y)
        EXPECT_EQ(picture.pixelColor(column, y), QColor(Qt::black)) << y;
}

// The sheet's half-height cells (8 x 6) would squash a letter into a dash:
// letters stand taller than their row, centred on it, and the row after
// still starts 6 pixels lower.
TEST_F(PainterSurfaceTest, LettersInHalfHeightCellsAreTallerThanTheirRow)
{
    LogFont font;
    font.height = 6;
    font.width = 8;
    font.faceName = "Morvix LineDraw Light";
    Paint([&font](PainterSurface& s) { s.Text(0, 12, "E", font, 0, 16777215, false); });
    int top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 8; ++x)
            if (qGray(picture.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, 0) << "the letter was drawn";
    EXPECT_GE(bottom - top + 1, 6) << "a letter, not a dash";
    EXPECT_NEAR((top + bottom) / 2.0, 12 + 3, 1.5) << "centred on its row";
}
