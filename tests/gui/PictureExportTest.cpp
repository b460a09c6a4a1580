// Pictures handed out: a PNG painted as the window paints, scaled; the same
// from morvix-cli through its module; an SVG that a browser's renderer
// draws with ink where the board is.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "framework/BoxDrawing.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/QtPictureWriter.h"

namespace {

// The pixels darker than mid grey.
int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

PictureJob Board()
{
    PictureJob job;
    job.title = "Board";
    job.size = {100, 20};
    job.draw = [](IDrawingSurface& surface) {
        LogFont font;
        font.faceName = "Morvix LineDraw Light";
        font.width = 8;
        font.height = 12;
        surface.FillRect(surface.ClipBox(), MakeColor(255, 255, 255));
        surface.Text(4, 4, "\xC5\xC4\xC4G\xC4\xC5", font, MakeColor(0, 0, 0), MakeColor(255, 255, 255), false);
    };
    return job;
}

// morvix-cli's answer, and what it wrote on stderr.
int RunCli(const QStringList& args, QString& errors)
{
    QProcess cli;
    cli.start(QStringLiteral(MORVIX_BIN_DIR "/morvix-cli"), args);
    cli.waitForFinished(60000);
    errors = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
}

}  // namespace

TEST(PictureExport, APngIsPaintedAsTheWindowPaintsAtTheChosenScale)
{
    QTemporaryDir dir;
    ImageStore images({});
    QtPictureWriter writer(images);
    PictureJob job = Board();
    job.scalePercent = 300;
    std::string path = dir.filePath(QStringLiteral("board.png")).toStdString();
    std::string error;
    ASSERT_TRUE(writer.Write(job, PictureFormat::Png, path, error)) << error;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(300, 60));
    // The string stroke runs unbroken through the cells, three pixels thick.
    int row = 3 * (4 + BoxStrokes({0, 4, 8, 16}, *BoxArmsOf(u'\u2500'), 1).front().top - 4) + 1;
    for (int x = 3 * 4; x < 3 * 28; ++x)
        EXPECT_LT(qGray(image.pixel(x, row)), 128) << x;
    EXPECT_GT(DarkPixels(image), 3 * 40);

    job.scalePercent = 800;
    job.size = {5000, 3000};
    EXPECT_FALSE(writer.Write(job, PictureFormat::Png, path, error));
    EXPECT_EQ(error, "The picture would be 40000 x 24000 pixels; choose a smaller scale.");
}

TEST(PictureExport, MorvixCliWritesAPngThroughItsModuleAndAnSvgThatRenders)
{
    QTemporaryDir dir;
    QString png = dir.filePath(QStringLiteral("guitar.png"));
    QString svg = dir.filePath(QStringLiteral("guitar.svg"));
    QString errors;
    ASSERT_EQ(RunCli({QStringLiteral("draw"), QStringLiteral("Guitar"), QStringLiteral("--key"), QStringLiteral("G"),
                      QStringLiteral("--set"), QStringLiteral("capo=3"), QStringLiteral("--png"), png,
                      QStringLiteral("--svg"), svg, QStringLiteral("--zoom"), QStringLiteral("150")},
                     errors),
              0)
        << errors.toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    // 115 columns and 9 lines of 8 x 12 cells, one more of each, at 150 %.
    QImage painted(png);
    ASSERT_EQ(painted.size(), QSize(1392, 180));
    EXPECT_GT(DarkPixels(painted), 5000);

    QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    QString rendered = dir.filePath(QStringLiteral("rendered.png"));
    QProcess convert;
    convert.start(rsvg, {QStringLiteral("-o"), rendered, svg});
    convert.waitForFinished(60000);
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    QImage drawn(rendered);
    ASSERT_EQ(drawn.size(), painted.size());
    // Both carry ink of the same order: the same board and notes, the
    // painter's strokes rounded to whole pixels a little thicker.
    int ink = DarkPixels(drawn);
    EXPECT_GT(ink, DarkPixels(painted) / 2);
    EXPECT_LT(ink, DarkPixels(painted) * 2);
}
