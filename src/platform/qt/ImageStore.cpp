#include "platform/qt/ImageStore.h"

#include <QDir>
#include <QFileInfo>

const QImage& ImageStore::Get(int resourceId)
{
    auto it = cache_.find(resourceId);
    if (it == cache_.end())
        it = cache_.insert(resourceId, Load(resourceId));
    return *it;
}

QImage ImageStore::Load(int resourceId) const
{
    const QString name = QString::number(resourceId) + QStringLiteral(".png");
    for (const QString& folder : folders_) {
        QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return QImage(path);
    }
    return {};
}
