// libmorvix_picture.so: PNG pictures for morvix-cli, which links no Qt.
// The drawing is painted with the desktop's own painter surface on Qt's
// offscreen platform, so a picture looks as the window does.
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/Picture.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/PngPicture.h"

namespace {

// Qt's notes about its environment (no runtime folder, say) are not the
// user's business; a failed picture is told through its error.
void KeepSevereMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Fonts and painting need an application object; one is made on the first
// picture and kept for the process, as Qt cannot be unloaded once started.
void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(KeepSevereMessages);
    static int argc = 3;
    static char name[] = "morvix-cli";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    new QGuiApplication(argc, argv);
}

} // namespace

extern "C" __attribute__((visibility("default"))) bool morvix_write_png(const PictureJob* job, const char* path,
                                                                         const std::vector<std::string>* folders,
                                                                         std::string* error)
{
    EnsureApplication();
    QStringList imageFolders;
    for (const std::string& folder : *folders)
        imageFolders.append(QString::fromStdString(folder));
    ImageStore images(imageFolders);
    return WritePngPicture(*job, images, path, *error);
}
