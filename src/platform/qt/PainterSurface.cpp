#include "platform/qt/PainterSurface.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "platform/qt/BoxGlyphs.h"
#include "platform/qt/Colors.h"
#include "platform/qt/Cp437.h"
#include "platform/qt/FontConversion.h"
#include "platform/qt/ImageStore.h"

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

PainterSurface::PainterSurface(QPainter& painter, ImageStore& images, const QRect& clip)
    : painter_(painter), images_(images), clip_(clip)
{
}

const QFont& PainterSurface::FontFor(const LogFont& font)
{
    if (!lastLogFont_ || !(*lastLogFont_ == font)) {
        lastLogFont_ = font;
        lastFont_ = ToQFont(font);
        lastLetters_.reset();
    }
    return lastFont_;
}

void PainterSurface::FillRect(const Rect& rect, Color color)
{
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

// Fixed-pitch text goes cell by cell at whole-pixel steps, the width the
// fonts port reports, so that grids line up with images placed by column.
void PainterSurface::Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore,
                          Color back, bool opaque)
{
    const QFont& qfont = FontFor(font);
    QFontMetrics metrics(qfont);
    QString text = Cp437ToQString(bytes);
    bool fixed = QFontInfo(qfont).fixedPitch();
    // The requested width is the grid's column step, on which images are placed too.
    int cell = font.width > 0 ? font.width : metrics.horizontalAdvance(QLatin1Char('M'));
    int width = fixed ? cell * static_cast<int>(text.size()) : metrics.horizontalAdvance(text);
    if (opaque)
        painter_.fillRect(QRect(x, y, width, metrics.height()), ToQColor(back));
    painter_.setPen(ToQColor(fore));
    if (!fixed) {
        painter_.setFont(qfont);
        painter_.drawText(x, y + metrics.ascent(), text);
        return;
    }
    // Box-drawing strokes fill the whole line: the requested cell height is
    // the distance between the lines of a grid.
    int lineHeight = font.height > 0 ? font.height : metrics.height();
    int stroke = BoxStrokeWidth(font);
    if (!lastLetters_)
        lastLetters_ = LettersFor(qfont, cell, lineHeight);
    const LetterCells& letters = *lastLetters_;
    painter_.setFont(letters.font);
    for (qsizetype i = 0; i < text.size(); ++i) {
        QRect box(x + cell * static_cast<int>(i), y, cell, lineHeight);
        if (auto arms = BoxArmsOf(text[i].unicode()))
            DrawBoxGlyph(painter_, box, *arms, ToQColor(fore), stroke);
        else if (text[i] != QLatin1Char(' '))
            painter_.drawText(box.left() + letters.indent, y + letters.baseline, QString(text[i]));
    }
}

// A cell lower than it is wide (the sheet's half-height rows)
// would squash its letters into dashes: they are drawn at one and a half
// times the row instead, centred on the row and in the cell, over the
// blank space a staff leaves between its lines.
PainterSurface::LetterCells PainterSurface::LettersFor(const QFont& qfont, int cell, int lineHeight) const
{
    LetterCells letters{qfont, 0, QFontMetrics(qfont).ascent()};
    if (lineHeight >= cell)
        return letters;
    letters.font.setPixelSize(std::max(1, lineHeight * 3 / 2));
    letters.font.setStretch(QFont::Unstretched);
    QFontMetrics metrics(letters.font);
    letters.indent = (cell - metrics.horizontalAdvance(QLatin1Char('M'))) / 2;
    letters.baseline = (lineHeight + metrics.capHeight()) / 2;
    return letters;
}

// Black shapes on white, ANDed onto the picture: multiplying does that for
// black and white and keeps colours sensible in between.
void PainterSurface::Image(int x, int y, int resourceId)
{
    const QImage& image = images_.Get(resourceId);
    if (image.isNull())
        return;
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter_.drawImage(x, y, image);
    painter_.restore();
}

void PainterSurface::Line(int x1, int y1, int x2, int y2, Color color)
{
    painter_.setPen(QPen(ToQColor(color), 0));
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterSurface::InvertRect(const Rect& rect)
{
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.fillRect(ToQRect(rect), Qt::white);
    painter_.restore();
}

Rect PainterSurface::ClipBox() const
{
    return Rect{clip_.left(), clip_.top(), clip_.left() + clip_.width(), clip_.top() + clip_.height()};
}
