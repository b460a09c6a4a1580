#pragma once
// Printing with Qt Print Support. One QPrinter keeps the printer and page
// chosen in Print Setup for the prints that follow.
#include <memory>

#include "framework/Printing.h"

class ImageStore;
class QPrinter;
class QWidget;

class QtPrinter : public IPrinter {
public:
    QtPrinter(ImageStore& images, QWidget* parent);
    ~QtPrinter() override;

    bool Setup() override;
    bool Print(const PrintJob& job, bool preview) override;

private:
    std::unique_ptr<QPrinter> printer_;
    ImageStore& images_;
    QWidget* parent_;
};

// Renders the job onto printer: text page after page in its font, a
// drawing scaled to the page's width.
void RenderPrintJob(const PrintJob& job, QPrinter& printer, ImageStore& images);
