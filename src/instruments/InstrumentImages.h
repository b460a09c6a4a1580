#pragma once
// The instruments' image resources: the key images of the keyboard and the
// staff images of the sheet music, each a PNG in res/images named after its
// resource id (tools/make_instrument_images.py draws them).
#include <span>
#include <string>

struct InstrumentImage {
    int id;
    int width;
    int height;
    const char* shows;
};

std::span<const InstrumentImage> InstrumentImages();

// The image of a resource id; none for an id that is no instrument image.
const InstrumentImage* FindInstrumentImage(int id);

// The file an image is read from, inside the images folder: "155.png".
std::string InstrumentImageFile(int id);

// The size in pixels of a graph view's drawing.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};
