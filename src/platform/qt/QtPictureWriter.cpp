#include "platform/qt/QtPictureWriter.h"

#include "platform/qt/ImageStore.h"
#include "platform/qt/PngPicture.h"

namespace {

std::vector<std::string> Paths(const QStringList& folders)
{
    std::vector<std::string> paths;
    for (const QString& folder : folders)
        paths.push_back(folder.toStdString());
    return paths;
}

} // namespace

QtPictureWriter::QtPictureWriter(ImageStore& images) : images_(images), embedded_(ImagesInFolders(Paths(images.Folders())))
{
}

bool QtPictureWriter::Write(const PictureJob& job, PictureFormat format, const std::string& path, std::string& error)
{
    if (format == PictureFormat::Png)
        return WritePngPicture(job, images_, path, error);
    return WritePictureFile(path, SvgPictureText(job, embedded_), error);
}
