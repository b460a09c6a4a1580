#include "platform/qt/DesktopServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

void QtClipboard::SetText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::GetText() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtLauncher::OpenInTextEditor(const std::string& path)
{
    // The path travels as one argument, never through a shell.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
}

bool QtLauncher::OpenHelp(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
