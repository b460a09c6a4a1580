#include "platform/picture/ModulePictureWriter.h"

#include <dlfcn.h>

namespace {

constexpr const char* kModuleName = "libmorvix_picture.so";

} // namespace

ModulePictureWriter::ModulePictureWriter(std::vector<std::string> imageFolders)
    : folders_(std::move(imageFolders)), embedded_(ImagesInFolders(folders_))
{
}

ModulePictureWriter::WritePng ModulePictureWriter::LoadModule()
{
    if (!tried_) {
        tried_ = true;
        if (void* handle = dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL))
            writePng_ = reinterpret_cast<WritePng>(dlsym(handle, "morvix_write_png"));
    }
    return writePng_;
}

bool ModulePictureWriter::Write(const PictureJob& job, PictureFormat format, const std::string& path,
                                std::string& error)
{
    if (format == PictureFormat::Svg)
        return WritePictureFile(path, SvgPictureText(job, embedded_), error);
    WritePng writePng = LoadModule();
    if (!writePng) {
        error = std::string("PNG pictures need the module ") + kModuleName +
                ", which was not found (it is built with the desktop program).";
        return false;
    }
    return writePng(&job, path.c_str(), &folders_, &error);
}
