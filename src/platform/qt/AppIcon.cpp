#include "platform/qt/AppIcon.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace

QIcon LoadAppIcon(const std::string& homeDir)
{
    QDir icons(QDir(QString::fromStdString(homeDir)).filePath(QStringLiteral("icons")));
    QIcon icon;
    for (int size : kSizes) {
        QString file = icons.filePath(QStringLiteral("morvix-%1.png").arg(size));
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}
