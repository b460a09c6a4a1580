#pragma once
// The picture port without a display: SVG written by the core, PNG by the
// module libmorvix_picture.so (Qt's painter on its offscreen platform),
// which is loaded on the first PNG and found through the executable's
// RUNPATH, as the synthesizer module is. It stays loaded for the process:
// Qt cannot be unloaded once started.
#include <string>
#include <vector>

#include "framework/Picture.h"
#include "framework/SvgPicture.h"

class ModulePictureWriter : public IPictureWriter {
public:
    // The folders the instruments' images are read from, first first.
    explicit ModulePictureWriter(std::vector<std::string> imageFolders);

    bool Write(const PictureJob& job, PictureFormat format, const std::string& path, std::string& error) override;

private:
    using WritePng = bool (*)(const PictureJob*, const char*, const std::vector<std::string>*, std::string*);
    WritePng LoadModule();

    std::vector<std::string> folders_;
    ImageSource embedded_;
    WritePng writePng_ = nullptr;
    bool tried_ = false;
};
