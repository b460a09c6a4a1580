#pragma once
// Drawing surface over a QPainter, in the view's scrolled coordinates.
#include <QFont>
#include <QRect>

#include <optional>

#include "framework/Drawing.h"

class ImageStore;
class QPainter;

class PainterSurface : public IDrawingSurface {
public:
    PainterSurface(QPainter& painter, ImageStore& images, const QRect& clip);

    void FillRect(const Rect& rect, Color color) override;
    void Text(int x, int y, const std::string& bytes, const LogFont& font, Color fore, Color back,
              bool opaque) override;
    void Image(int x, int y, int resourceId) override;
    void Line(int x1, int y1, int x2, int y2, Color color) override;
    void InvertRect(const Rect& rect) override;
    Rect ClipBox() const override;

private:
    const QFont& FontFor(const LogFont& font);
    // The font letters are drawn with in a grid cell, their offset from the
    // cell's left edge and their baseline below its top.
    struct LetterCells {
        QFont font;
        int indent;
        int baseline;
    };
    LetterCells LettersFor(const QFont& qfont, int cell, int lineHeight) const;

    QPainter& painter_;
    ImageStore& images_;
    QRect clip_;
    std::optional<LogFont> lastLogFont_;
    QFont lastFont_;
    // The letters of lastFont_'s cells, made at its first text.
    std::optional<LetterCells> lastLetters_;
};

QRect ToQRect(const Rect& rect);
