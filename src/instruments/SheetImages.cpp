#include "instruments/SheetImages.h"

#include <array>

namespace {

struct AnchoredImage {
    int id;
    ImageAnchor anchor;
};

constexpr std::array<AnchoredImage, 13> kAnchors = {{
    {kTrebleClefImage, {4, 46}},
    {kAltoClefImage, {4, 29}},
    {kBassClefImage, {4, 13}},
    {kSharpImage, {0, 11}},
    {kNaturalImage, {0, 11}},
    {kFlatImage, {0, 15}},
    {kQuarterUpImage, {6, 24}},
    {kQuarterDownImage, {6, 8}},
    {kHalfUpImage, {6, 24}},
    {kHalfDownImage, {6, 8}},
    {kWholeImage, {6, 24}},
    {kEighthUpImage, {6, 24}},
    {kEighthDownImage, {11, 8}},
}};

} // namespace

ImageAnchor SheetImageAnchor(int resourceId)
{
    for (const AnchoredImage& image : kAnchors)
        if (image.id == resourceId)
            return image.anchor;
    return {};
}
