#include "platform/qt/QtFonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include "platform/qt/FontConversion.h"

namespace {

constexpr int kSymbolCharSet = 2;
constexpr int kOemCharSet = 255;

// Only the primary font counts: Qt would otherwise borrow the glyphs from
// a fallback font, which need not be monospaced.
bool HasBoxDrawing(const QFont& qfont)
{
    QRawFont raw = QRawFont::fromFont(qfont);
    return raw.isValid() && raw.supportsCharacter(QChar(0x2500)) && raw.supportsCharacter(QChar(0x2502))
        && raw.supportsCharacter(QChar(0x2588));
}

}  // namespace

QtFonts::QtFonts()
{
    InstallLineDrawFaces();
}

FontMetrics QtFonts::Measure(const LogFont& font)
{
    QFont qfont = ToQFont(font);
    QFontMetrics metrics(qfont);
    FontMetrics result;
    // A cell asked for is the cell: the grid's rows are that far apart.
    result.height = font.height > 0 ? font.height : metrics.height();
    // In a fixed-pitch font every cell is one advance wide; the widest glyph
    // of a large monospaced font can overhang its cell.
    result.maxCharWidth = QFontInfo(qfont).fixedPitch() ? metrics.horizontalAdvance(QLatin1Char('M'))
                                                        : metrics.maxWidth();
    result.descent = metrics.descent();
    if (IsLineDrawFace(font.faceName))
        result.charSet = kSymbolCharSet;
    else
        result.charSet = HasBoxDrawing(qfont) ? kOemCharSet : 0;
    return result;
}

LogFont QtFonts::SystemFont()
{
    return ToLogFont(QApplication::font());
}

LogFont QtFonts::FixedOemFont()
{
    LogFont font;
    font.height = -14;
    font.weight = 400;
    font.charSet = kOemCharSet;
    font.pitchAndFamily = 1 | (3 << 4);
    font.faceName = kLineDrawFamily;
    return font;
}
