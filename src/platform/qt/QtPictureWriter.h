#pragma once
// The picture port on the desktop: SVG written by the core, PNG painted
// with the windows' own painter surface.
#include <QStringList>

#include "framework/Picture.h"
#include "framework/SvgPicture.h"

class ImageStore;

class QtPictureWriter : public IPictureWriter {
public:
    QtPictureWriter(ImageStore& images, const QStringList& folders);

    bool Write(const PictureJob& job, PictureFormat format, const std::string& path, std::string& error) override;

private:
    ImageStore& images_;
    ImageSource embedded_;
};
