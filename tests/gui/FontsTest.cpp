// Fonts as the instruments use them: the line-drawing faces are monospaced
// with whole-pixel cells, and their box-drawing glyphs join cell to cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QTimer>

#include "platform/qt/FontConversion.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/PainterSurface.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPrompts.h"

namespace {

LogFont LineDraw(const char* face, int height = -16)
{
    LogFont font;
    font.height = height;
    font.faceName = face;
    return font;
}

// Paints the bytes on white and returns the picture.
QImage Paint(const std::vector<std::string>& lines, const LogFont& font, int lineHeight)
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ImageStore images{{}};
    PainterSurface surface(painter, images, image.rect());
    for (size_t i = 0; i < lines.size(); ++i)
        surface.Text(4, 4 + static_cast<int>(i) * lineHeight, lines[i], font, 0, MakeColor(255, 255, 255), false);
    return image;
}

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 160;
}

}  // namespace

TEST(QtFonts, LineDrawFacesAreSymbolSetMonospacedAndHeavyIsBold)
{
    QtFonts fonts;
    FontMetrics light = fonts.Measure(LineDraw(kLineDrawLight));
    FontMetrics heavy = fonts.Measure(LineDraw(kLineDrawHeavy));
    EXPECT_EQ(light.charSet, 2);
    EXPECT_EQ(heavy.charSet, 2);
    EXPECT_GE(light.height, 16);
    EXPECT_GT(light.maxCharWidth, 4);
    EXPECT_GT(light.descent, 0);
    QFont qfont = ToQFont(LineDraw(kLineDrawLight));
    EXPECT_TRUE(QFontInfo(qfont).fixedPitch());
    EXPECT_EQ(QFontInfo(qfont).family(), QString::fromLatin1(kLineDrawFamily));
    EXPECT_EQ(ToQFont(LineDraw(kLineDrawHeavy)).weight(), QFont::Bold);
}

TEST(QtFonts, CharacterSetFollowsTheBoxDrawingGlyphs)
{
    QtFonts fonts;
    EXPECT_EQ(fonts.Measure(fonts.FixedOemFont()).charSet, 255);
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Mono")))
        GTEST_SKIP() << "no font without box-drawing glyphs installed";
    EXPECT_EQ(fonts.Measure(LineDraw("Noto Mono")).charSet, 0);
}

TEST(QtFonts, LogicalFontsConvertBothWays)
{
    LogFont font = LineDraw("DejaVu Sans", -20);
    font.weight = 700;
    font.italic = 1;
    LogFont back = ToLogFont(ToQFont(font));
    EXPECT_EQ(back.height, -20);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(back.faceName, "DejaVu Sans");
}

TEST(QtFonts, HorizontalLinesJoinAcrossCells)
{
    QtFonts fonts;
    LogFont font = LineDraw(kLineDrawLight);
    FontMetrics metrics = fonts.Measure(font);
    QImage image = Paint({"\xC4\xC4\xC4\xC4\xC4\xC4"}, font, metrics.height);
    int row = -1;  // the line's row, found in the middle of the first cell
    for (int y = 4; y < 4 + metrics.height && row < 0; ++y)
        if (Dark(image, 4 + metrics.maxCharWidth / 2, y))
            row = y;
    ASSERT_GE(row, 0);
    for (int x = 4 + 1; x < 4 + 6 * metrics.maxCharWidth - 1; ++x)
        EXPECT_TRUE(Dark(image, x, row)) << "gap at x = " << x;
}

TEST(QtFonts, VerticalLinesJoinAcrossLines)
{
    QtFonts fonts;
    LogFont font = LineDraw(kLineDrawLight);
    FontMetrics metrics = fonts.Measure(font);
    QImage image = Paint({"\xB3", "\xB3", "\xB3"}, font, metrics.height);
    int column = -1;
    for (int x = 4; x < 4 + metrics.maxCharWidth && column < 0; ++x)
        if (Dark(image, x, 4 + metrics.height / 2))
            column = x;
    ASSERT_GE(column, 0);
    for (int y = 4 + 1; y < 4 + 3 * metrics.height - 1; ++y)
        EXPECT_TRUE(Dark(image, column, y)) << "gap at y = " << y;
}

// The font chooser is given what the view shows and, when the user only
// presses OK, hands back exactly that: no slant, size or face of its own.
TEST(QtFonts, TheDefaultFontsComeBackUnchangedThroughTheFontChooser)
{
    QtFonts fonts;
    for (const LogFont& font : {fonts.FixedOemFont(), fonts.SystemFont(), LineDraw(kLineDrawLight, -14),
                                LineDraw(kLineDrawHeavy, -14)}) {
        SCOPED_TRACE(font.faceName);
        QFontDialog dialog(ToDialogFont(font));
        QFont shown = dialog.currentFont();
        EXPECT_FALSE(shown.italic());
        EXPECT_EQ(shown.weight(), ToQFont(font).weight());
        EXPECT_EQ(FromDialogFont(dialog.currentFont(), font), font);
    }
}

TEST(QtFonts, WhatTheUserChangesInTheChooserIsTaken)
{
    QtFonts fonts;
    LogFont font = fonts.FixedOemFont();
    QFont chosen = ToDialogFont(font);
    chosen.setItalic(true);
    chosen.setPointSize(chosen.pointSize() + 6);
    LogFont back = FromDialogFont(chosen, font);
    EXPECT_EQ(back.italic, 1);
    EXPECT_LT(back.height, font.height - 6);  // larger: a more negative character height
    EXPECT_EQ(back.faceName, font.faceName);
    EXPECT_EQ(back.charSet, font.charSet);

    chosen = ToDialogFont(font);
    chosen.setFamily(QStringLiteral("DejaVu Serif"));
    back = FromDialogFont(chosen, font);
    EXPECT_EQ(back.faceName, "DejaVu Serif");
    EXPECT_EQ(back.height, font.height);
    EXPECT_EQ(back.italic, 0);
}

// Instruments draw on a grid of cells: their chooser lists fixed-pitch
// fonts only; text windows may take any font.
TEST(QtFonts, TheChooserListsOnlyFixedPitchFontsWhenAsked)
{
    QtPrompts prompts(nullptr);
    for (FontFilter filter : {FontFilter::FixedPitch, FontFilter::Any}) {
        QStringList listed;
        QString current;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, &listed, &current] {
            if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
                // The first list of the chooser is its families.
                if (auto* families = dialog->findChild<QListView*>())
                    for (int row = 0; row < families->model()->rowCount(); ++row)
                        listed.append(families->model()->index(row, 0).data().toString());
                current = dialog->currentFont().family();
                poll->deleteLater();
                dialog->reject();
            }
        });
        poll->start(5);
        LogFont font = LineDraw(kLineDrawLight);
        EXPECT_FALSE(prompts.ChooseFont(font, filter));
        ASSERT_FALSE(listed.isEmpty());
        EXPECT_EQ(current, QString::fromLatin1(kLineDrawFamily));
        int proportional = 0;
        for (const QString& family : listed)
            proportional += QFontDatabase::isFixedPitch(family) ? 0 : 1;
        if (filter == FontFilter::FixedPitch)
            EXPECT_EQ(proportional, 0) << listed.join(QLatin1Char(',')).toStdString();
        else
            EXPECT_GT(proportional, 0);
    }
}
