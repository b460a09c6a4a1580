#pragma once
// Picture port: a drawing written to an image file, the way File > Export
// Image... hands a window's drawing out.
#include <functional>
#include <string>

#include "framework/Drawing.h"
#include "framework/Windows.h"

enum class PictureFormat { Svg, Png };

struct PictureJob {
    std::string title;
    // The drawing's size in pixels at 100 %; it is painted from (0, 0).
    Size size{};
    int scalePercent = 100;
    std::function<void(IDrawingSurface&)> draw;
};

// The scales a picture may be written at, in percent.
inline constexpr int kSmallestPictureScale = 10;
inline constexpr int kLargestPictureScale = 800;

class IPictureWriter {
public:
    virtual ~IPictureWriter() = default;
    // Writes the picture to path; false, with a sentence saying why in
    // error, when it could not.
    virtual bool Write(const PictureJob& job, PictureFormat format, const std::string& path, std::string& error) = 0;
};
