#include "platform/qt/DialogChrome.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace {

// Title bars use a bold face somewhat larger than the dialog's text on
// most window managers, and keep room for the icon and the buttons.
constexpr int kTitleScalePercent = 125;
constexpr int kTitleButtonsWidth = 110;

}  // namespace

int CaptionWidth(const QString& caption)
{
    QFont font = QApplication::font();
    font.setBold(true);
    int text = QFontMetrics(font).horizontalAdvance(caption);
    return text * kTitleScalePercent / 100 + kTitleButtonsWidth;
}

void ApplyDialogChrome(QDialog& dialog)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), CaptionWidth(dialog.windowTitle())));
}

void ApplyMessageBoxChrome(QMessageBox& box)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    auto* spacer = new QSpacerItem(CaptionWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                   QSizePolicy::Fixed);
    grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
}
