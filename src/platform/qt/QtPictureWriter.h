#pragma once
// The picture port on the desktop: SVG written by the core, PNG painted
// with the windows' own painter surface.
#include "framework/Picture.h"
#include "framework/SvgPicture.h"

class ImageStore;

class QtPictureWriter : public IPictureWriter {
public:
    // SVG embeds the images from the same folders the store reads.
    explicit QtPictureWriter(ImageStore& images);

    bool Write(const PictureJob& job, PictureFormat format, const std::string& path, std::string& error) override;

private:
    ImageStore& images_;
    ImageSource embedded_;
};
