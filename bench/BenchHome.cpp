#include "BenchHome.h"

#include <QDir>
#include <QFile>

void CopyResources(const QTemporaryDir& home)
{
    QDir res(QStringLiteral(MORVIX_SOURCE_DIR "/res"));
    QDir to(home.path());
    for (const QString& name : res.entryList(QDir::Files))
        QFile::copy(res.filePath(name), to.filePath(name));
    to.mkdir(QStringLiteral("images"));
    QDir images(res.filePath(QStringLiteral("images")));
    for (const QString& name : images.entryList(QDir::Files))
        QFile::copy(images.filePath(name), to.filePath(QStringLiteral("images/") + name));
}
