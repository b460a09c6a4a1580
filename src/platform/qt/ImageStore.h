#pragma once
// The program's bitmap resources: "<id>.png" in the first image folder
// that has it. A missing image is remembered as missing.
#include <QHash>
#include <QImage>
#include <QStringList>

class ImageStore {
public:
    explicit ImageStore(QStringList folders) : folders_(std::move(folders)) {}
    // A null image when the resource is absent.
    const QImage& Get(int resourceId);
    const QStringList& Folders() const { return folders_; }

private:
    QImage Load(int resourceId) const;

    QStringList folders_;
    QHash<int, QImage> cache_;
};
