#include "platform/qt/FontConversion.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kFamilyRoman = 1 << 4;
constexpr int kFamilySwiss = 2 << 4;
constexpr int kFamilyModern = 3 << 4;

void ApplyPitchAndFamily(QFont& qfont, int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case kFamilyRoman: qfont.setStyleHint(QFont::Serif); break;
    case kFamilySwiss: qfont.setStyleHint(QFont::SansSerif); break;
    case kFamilyModern: qfont.setStyleHint(QFont::Monospace); break;
    default: break;
    }
    if ((pitchAndFamily & 3) == kFixedPitch) {
        qfont.setFixedPitch(true);
        qfont.setStyleHint(QFont::Monospace);
    }
}

// A positive height is the whole cell (ascent plus descent) rather than the
// character height: the largest pixel size whose cell still fits. Pixel
// sizes step by more than one pixel of cell, so the cell may come out a
// pixel short; the fonts port reports the cell asked for.
void ApplyCellHeight(QFont& qfont, int cellHeight)
{
    qfont.setPixelSize(cellHeight);
    int measured = QFontMetrics(qfont).height();
    int size = measured > 0 ? std::max(1, cellHeight * cellHeight / measured) : cellHeight;
    qfont.setPixelSize(size);
    while (size > 1 && QFontMetrics(qfont).height() > cellHeight)
        qfont.setPixelSize(--size);
    while (size < cellHeight) {
        qfont.setPixelSize(size + 1);
        if (QFontMetrics(qfont).height() > cellHeight) {
            qfont.setPixelSize(size);
            break;
        }
        ++size;
    }
}

// A fixed-pitch font asked for a cell narrower or wider than its own (the
// sheet's half-height cells keep their width) is stretched to fill it.
void ApplyCellWidth(QFont& qfont, int cellWidth)
{
    int natural = QFontMetrics(qfont).horizontalAdvance(QLatin1Char('M'));
    if (natural > 0 && natural != cellWidth)
        qfont.setStretch(std::clamp(100 * cellWidth / natural, 1, 4000));
}

bool Slanted(const QFont& qfont)
{
    return qfont.style() != QFont::StyleNormal;  // italic and oblique alike
}

bool Unstretched(const QFont& qfont)
{
    return qfont.stretch() == QFont::AnyStretch || qfont.stretch() == QFont::Unstretched;
}

// The style of the family with this weight and slant, preferring one of
// normal width ("Book" over "Condensed"); none when the family has none.
QString MatchingStyle(const QFont& qfont)
{
    QString family = QFontInfo(qfont).family();
    QString narrower;
    for (const QString& style : QFontDatabase::styles(family)) {
        QFont candidate = QFontDatabase::font(family, style, 10);
        if (candidate.weight() != qfont.weight() || Slanted(candidate) != Slanted(qfont))
            continue;
        if (Unstretched(candidate))
            return style;
        if (narrower.isEmpty())
            narrower = style;
    }
    return narrower;
}

}  // namespace

bool IsLineDrawFace(const std::string& face)
{
    return face == kLineDrawLight || face == kLineDrawHeavy;
}

void InstallLineDrawFaces()
{
    QFont::insertSubstitution(QString::fromLatin1(kLineDrawLight), QString::fromLatin1(kLineDrawFamily));
    QFont::insertSubstitution(QString::fromLatin1(kLineDrawHeavy), QString::fromLatin1(kLineDrawFamily));
}

QFont ToQFont(const LogFont& font)
{
    QFont qfont;
    bool lineDraw = IsLineDrawFace(font.faceName);
    if (lineDraw)
        qfont.setFamily(QString::fromLatin1(kLineDrawFamily));
    else if (!font.faceName.empty())
        qfont.setFamily(QString::fromStdString(font.faceName));
    ApplyPitchAndFamily(qfont, lineDraw ? kFixedPitch | kFamilyModern : font.pitchAndFamily);
    if (font.height < 0)
        qfont.setPixelSize(-font.height);
    else if (font.height > 0)
        ApplyCellHeight(qfont, font.height);
    int weight = font.faceName == kLineDrawHeavy ? 700 : font.weight;
    if (weight > 0)
        qfont.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    qfont.setItalic(font.italic != 0);
    if (qfont.fixedPitch()) {
        qfont.setHintingPreference(QFont::PreferFullHinting);  // whole-pixel cells
        if (font.width > 0)
            ApplyCellWidth(qfont, font.width);
    }
    return qfont;
}

LogFont ToLogFont(const QFont& qfont)
{
    QFontInfo info(qfont);
    LogFont font;
    font.height = -(qfont.pixelSize() > 0 ? qfont.pixelSize() : info.pixelSize());
    font.weight = qfont.weight() == QFont::Normal ? 400 : static_cast<int>(qfont.weight());
    font.italic = qfont.italic() ? 1 : 0;
    font.charSet = 0;
    font.pitchAndFamily = info.fixedPitch() ? kFixedPitch | kFamilyModern : kVariablePitch | kFamilySwiss;
    font.faceName = qfont.family().left(31).toStdString();
    return font;
}

QFont ToDialogFont(const LogFont& font)
{
    QFont qfont = ToQFont(font);
    QFontInfo info(qfont);
    qfont.setFamily(info.family());
    qfont.setPointSize(std::max(1, info.pointSize()));
    qfont.setStyleName(MatchingStyle(qfont));
    return qfont;
}

LogFont FromDialogFont(const QFont& chosen, const LogFont& initial)
{
    QFont start = ToDialogFont(initial);
    LogFont font = ToLogFont(chosen);
    if (chosen.family().compare(start.family(), Qt::CaseInsensitive) == 0) {
        font.faceName = initial.faceName;
        font.charSet = initial.charSet;
        font.quality = initial.quality;
        font.pitchAndFamily = initial.pitchAndFamily;
    }
    if (chosen.pointSize() == start.pointSize()) {
        font.height = initial.height;
        font.width = initial.width;
    }
    if (chosen.weight() == start.weight())
        font.weight = initial.weight;
    if (chosen.italic() == start.italic())
        font.italic = initial.italic;
    return font;
}
