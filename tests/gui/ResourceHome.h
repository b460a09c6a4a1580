#pragma once
// A home folder holding copies of the program's resource files, as the
// whole application on the Qt ports needs one.
#include <QDir>
#include <QFile>
#include <QString>

inline void CopyResources(const QString& home)
{
    QDir res(QStringLiteral(MORVIX_SOURCE_DIR "/res"));
    for (const QString& name : res.entryList(QDir::Files))
        QFile::copy(res.filePath(name), QDir(home).filePath(name));
}
