// Printing renders text page by page and drawings scaled to the page; a PDF
// printer shows what a paper one would get.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "framework/Drawing.h"
#include "framework/View.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumDoc.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/QtPrinter.h"
#include "GuiApp.h"

namespace {

qint64 PrintToPdf(const PrintJob& job, const QString& path, ImageStore& images)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    RenderPrintJob(job, printer, images);
    return QFileInfo(path).size();
}

qint64 PrintToPdf(const PrintJob& job, const QString& path)
{
    ImageStore images({});
    return PrintToPdf(job, path, images);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

// File > Print of an instrument window: the graph view's page holds its
// images, the text view's page its lines in an embedded font; either is
// well beyond a blank page.
TEST(Printing, AnInstrumentWindowPrintsItsDrawingOrItsLines)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    CReferenceApp* app = gui.app.get();
    QTemporaryDir dir;
    ImageStore images({QStringLiteral(MORVIX_SOURCE_DIR "/res/images")});
    PrintJob blank;
    blank.drawingSize = {400, 200};
    blank.draw = [](IDrawingSurface&) {};
    qint64 blankSize = PrintToPdf(blank, dir.filePath(QStringLiteral("blank.pdf")), images);

    auto open = [app](const char* name) {
        CDocument* doc = app->Models().Primary()->AddInstrument(app->Instruments().FindInstrument(name));
        QApplication::processEvents();
        return dynamic_cast<CInstrumDoc*>(doc);
    };
    CInstrumDoc* staff = open("Grand-Staff");
    ASSERT_NE(staff, nullptr);
    EXPECT_TRUE(app->QueryCommand(ID_FILE_PRINT).enabled) << "Print is offered in an instrument window";
    PrintJob graph;
    ASSERT_TRUE(staff->FirstView()->MakePrintJob(graph));
    ASSERT_TRUE(graph.IsDrawing());
    QString graphPdf = dir.filePath(QStringLiteral("staff.pdf"));
    EXPECT_GT(PrintToPdf(graph, graphPdf, images), blankSize + 2000);
    EXPECT_TRUE(ReadAll(graphPdf).contains("/Image")) << "the clefs and sharps are on the page";

    CInstrumDoc* guitar = open("Guitar");
    ASSERT_NE(guitar, nullptr);
    PrintJob text;
    ASSERT_TRUE(guitar->FirstView()->MakePrintJob(text));
    ASSERT_FALSE(text.IsDrawing());
    EXPECT_TRUE(text.grid);
    EXPECT_NE(text.text.find("\u253C"), std::string::npos) << "line drawing kept";
    QString textPdf = dir.filePath(QStringLiteral("guitar.pdf"));
    EXPECT_GT(PrintToPdf(text, textPdf, images), blankSize + 2000);
    EXPECT_TRUE(ReadAll(textPdf).contains("/FontFile")) << "the lines are written on the page";
}
