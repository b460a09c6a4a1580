#pragma once
// A drawing painted into an image with the painter surface the windows
// use, scaled, and saved as a PNG file.
#include <string>

#include "framework/Picture.h"

class ImageStore;

// The most pixels a picture may have (64 million, 256 MB of image).
inline constexpr long long kMostPicturePixels = 64LL * 1024 * 1024;

// False, with a sentence saying why in error, when the picture would be too
// large or the file could not be written.
bool WritePngPicture(const PictureJob& job, ImageStore& images, const std::string& path, std::string& error);
