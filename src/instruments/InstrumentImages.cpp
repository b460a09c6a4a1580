#include "instruments/InstrumentImages.h"

#include <array>

namespace {

constexpr std::array<InstrumentImage, 37> kImages = {{
    {142, 29, 152, "C key"},
    {144, 17, 152, "C# key"},
    {145, 29, 152, "D key"},
    {146, 17, 152, "D# key"},
    {147, 29, 152, "E key"},
    {148, 29, 152, "F key"},
    {149, 17, 152, "F# key"},
    {150, 29, 152, "G key"},
    {151, 17, 152, "G# key"},
    {152, 29, 152, "A key"},
    {153, 17, 152, "A# key"},
    {154, 29, 152, "B key"},
    {188, 152, 29, "C key, turned"},
    {189, 152, 17, "C# key, turned"},
    {190, 152, 29, "D key, turned"},
    {191, 152, 17, "D# key, turned"},
    {192, 152, 29, "E key, turned"},
    {193, 152, 29, "F key, turned"},
    {194, 152, 17, "F# key, turned"},
    {195, 152, 29, "G key, turned"},
    {196, 152, 17, "G# key, turned"},
    {197, 152, 29, "A key, turned"},
    {198, 152, 17, "A# key, turned"},
    {187, 152, 29, "B key, turned"},
    {155, 30, 80, "treble (G) clef"},
    {157, 36, 58, "C clef"},
    {156, 36, 46, "bass (F) clef"},
    {158, 8, 24, "sharp"},
    {199, 8, 24, "natural"},
    {159, 8, 20, "flat"},
    {161, 13, 30, "quarter note, stem up"},
    {162, 13, 32, "quarter note, stem down"},
    {200, 13, 30, "half note, stem up"},
    {201, 13, 32, "half note, stem down"},
    {202, 14, 30, "whole note"},
    {203, 20, 30, "eighth note, stem up"},
    {204, 20, 32, "eighth note, stem down"},
}};

} // namespace

std::span<const InstrumentImage> InstrumentImages()
{
    return kImages;
}

const InstrumentImage* FindInstrumentImage(int id)
{
    for (const InstrumentImage& image : kImages)
        if (image.id == id)
            return &image;
    return nullptr;
}

std::string InstrumentImageFile(int id)
{
    return std::to_string(id) + ".png";
}
