#pragma once
// A drawing as an SVG document, written in plain code so that the desktop
// program and morvix-cli hand out the same file. Box-drawing glyphs become
// the strokes the window paints, other text is placed cell by cell in the
// drawing's font (the line-drawing faces as DejaVu Sans Mono), images are
// embedded as PNG data and multiplied onto what lies below, as the window
// ANDs them.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Picture.h"

struct EmbeddedImage {
    std::string png;  // the file's bytes
    int width = 0;
    int height = 0;
};

// The image of a resource id, or none.
using ImageSource = std::function<std::optional<EmbeddedImage>(int resourceId)>;

// "<id>.png" from the first of the folders that has it; a file that is no
// PNG counts as missing.
ImageSource ImagesInFolders(std::vector<std::string> folders);

// The whole SVG document of the job's drawing, its size scaled by the job's
// scale and its view box the drawing's own size.
std::string SvgPictureText(const PictureJob& job, const ImageSource& images);

// Writes bytes to path through a temporary file beside it, so that a failed
// write leaves any earlier file whole; false with the reason in error.
bool WritePictureFile(const std::string& path, const std::string& bytes, std::string& error);
