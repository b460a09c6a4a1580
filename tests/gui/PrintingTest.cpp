// Printing renders text page by page and drawings scaled to the page; a PDF
// printer shows what a paper one would get.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "framework/Drawing.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/QtPrinter.h"

namespace {

qint64 PrintToPdf(const PrintJob& job, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ImageStore images({});
    RenderPrintJob(job, printer, images);
    return QFileInfo(path).size();
}

}  // namespace

TEST(Printing, TextAndDrawingsBecomePages)
{
    QTemporaryDir dir;
    PrintJob text;
    text.title = "Notes";
    for (int i = 0; i < 200; ++i)
        text.text += "C E G line " + std::to_string(i) + "\n";
    text.font.faceName = "DejaVu Sans Mono";
    text.font.height = -13;
    qint64 textSize = PrintToPdf(text, dir.filePath(QStringLiteral("text.pdf")));
    EXPECT_GT(textSize, 1000);

    PrintJob drawing;
    drawing.title = "Board";
    drawing.drawingSize = {400, 200};
    int calls = 0;
    drawing.draw = [&calls](IDrawingSurface& surface) {
        ++calls;
        surface.FillRect({0, 0, 400, 200}, 0xFFFFFF);
        surface.Line(0, 100, 400, 100, 0);
    };
    EXPECT_GT(PrintToPdf(drawing, dir.filePath(QStringLiteral("drawing.pdf"))), 500);
    EXPECT_EQ(calls, 1);
}
