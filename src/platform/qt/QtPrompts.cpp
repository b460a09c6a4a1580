#include "platform/qt/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

#include "platform/qt/Colors.h"
#include "platform/qt/DialogChrome.h"
#include "platform/qt/DialogForm.h"
#include "platform/qt/FileFilters.h"
#include "platform/qt/FontConversion.h"

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

int FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

// Gives the keys back to whatever had them before a modal opened: the
// window manager's choice, once the modal has gone, may be the main
// window's tool bar or nothing at all.
class FocusKeeper {
public:
    FocusKeeper() : focus_(QApplication::focusWidget()) {}
    ~FocusKeeper()
    {
        if (!focus_ || !focus_->isVisible())
            return;
        focus_->activateWindow();
        focus_->setFocus(Qt::OtherFocusReason);
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> focus_;
};

}  // namespace

int QtPrompts::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ToQtButtons(buttons), parent_);
    ApplyMessageBoxChrome(box);
    FocusKeeper keeper;
    int result = FromQtButton(box.exec());
    // A box with only OK answers OK however it was closed.
    return buttons == MessageButtons::Ok ? IDOK : result;
}

int QtPrompts::RunDialog(DialogData& dialog)
{
    DialogForm form(dialog, parent_);
    FocusKeeper keeper;
    return form.Run();
}

std::optional<std::string> QtPrompts::ChooseFile(const FileDialogRequest& request)
{
    QString caption = QString::fromStdString(request.caption);
    if (caption.isEmpty())
        caption = request.open ? QStringLiteral("Open") : QStringLiteral("Save As");
    QFileDialog dialog(parent_, caption);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters = ToQtFilters(request.filters);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.initialPath.empty()) {
        QFileInfo initial(QString::fromStdString(request.initialPath));
        dialog.setDirectory(initial.isDir() ? initial.filePath() : initial.path());
        if (!initial.isDir())
            dialog.selectFile(initial.fileName());
    }
    FocusKeeper keeper;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

bool QtPrompts::ChooseFont(LogFont& font, FontFilter filter)
{
    // The families are listed again only when the current font is set, so
    // the filter goes first.
    QFontDialog dialog(parent_);
    if (filter == FontFilter::FixedPitch)
        dialog.setOption(QFontDialog::MonospacedFonts);
    dialog.setCurrentFont(ToDialogFont(font));
    ApplyDialogChrome(dialog);
    FocusKeeper keeper;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = FromDialogFont(dialog.selectedFont(), font);
    return true;
}

std::optional<unsigned> QtPrompts::ChooseColor(unsigned initial)
{
    QColorDialog dialog(ToQColor(initial), parent_);
    ApplyDialogChrome(dialog);
    FocusKeeper keeper;
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return FromQColor(dialog.selectedColor());
}
