#include "platform/qt/QtPrinter.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

#include "platform/qt/DialogChrome.h"
#include "platform/qt/FontConversion.h"
#include "platform/qt/PainterSurface.h"

namespace {

// Fonts are sized in screen pixels; on paper they keep their size in points.
constexpr double kScreenDotsPerInch = 96.0;

QFont PaperFont(const LogFont& font)
{
    QFont paper = ToQFont(font);
    if (paper.pixelSize() > 0)
        paper.setPointSizeF(paper.pixelSize() * 72.0 / kScreenDotsPerInch);
    return paper;
}

// A grid's lines are drawn whole: in a font small enough for the longest
// to fit the page's width.
QFont GridPaperFont(const PrintJob& job, QPrinter& printer)
{
    QFont paper = PaperFont(job.font);
    double longest = 0;
    QFontMetricsF metrics(paper, &printer);
    for (const QString& line : QString::fromStdString(job.text).split(QLatin1Char('\n')))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    // QTextDocument leaves a 2 cm margin on each side.
    double margin = 2 / 2.54 * printer.resolution();
    double page = printer.pageLayout().paintRectPixels(printer.resolution()).width() - 2 * margin;
    if (longest > page && paper.pointSizeF() > 0)
        paper.setPointSizeF(paper.pointSizeF() * page / longest * 0.98);
    return paper;
}

void RenderText(const PrintJob& job, QPrinter& printer)
{
    QTextDocument document;
    document.setDefaultFont(job.grid ? GridPaperFont(job, printer) : PaperFont(job.font));
    if (job.grid) {
        QTextOption lines;
        lines.setWrapMode(QTextOption::NoWrap);
        document.setDefaultTextOption(lines);
    }
    document.setPlainText(QString::fromStdString(job.text));
    document.print(&printer);
}

void RenderDrawing(const PrintJob& job, QPrinter& printer, ImageStore& images)
{
    QPainter painter(&printer);
    QRect page = painter.viewport();
    double width = job.drawingSize.cx > 0 ? job.drawingSize.cx : page.width();
    double scale = page.width() / width;
    painter.scale(scale, scale);
    QRect clip(0, 0, job.drawingSize.cx, job.drawingSize.cy);
    PainterSurface surface(painter, images, clip);
    job.draw(surface);
}

}  // namespace

void RenderPrintJob(const PrintJob& job, QPrinter& printer, ImageStore& images)
{
    printer.setDocName(QString::fromStdString(job.title));
    if (job.IsDrawing())
        RenderDrawing(job, printer, images);
    else
        RenderText(job, printer);
}

QtPrinter::QtPrinter(ImageStore& images, QWidget* parent)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), images_(images), parent_(parent)
{
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::Setup()
{
    QPageSetupDialog dialog(printer_.get(), parent_);
    ApplyDialogChrome(dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::Print(const PrintJob& job, bool preview)
{
    if (preview) {
        QPrintPreviewDialog dialog(printer_.get(), parent_);
        dialog.setWindowTitle(QStringLiteral("Print Preview - ") + QString::fromStdString(job.title));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [this, &job](QPrinter* printer) { RenderPrintJob(job, *printer, images_); });
        dialog.resize(800, 900);
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(printer_.get(), parent_);
    ApplyDialogChrome(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    RenderPrintJob(job, *printer_, images_);
    return true;
}
