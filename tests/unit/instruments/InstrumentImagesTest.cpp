#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>

#include "instruments/InstrumentImages.h"
#include "instruments/KeyboardLayout.h"
#include "instruments/SheetImages.h"

namespace {

// Width and height from a PNG's header chunk; (0, 0) when the file is no PNG.
PixelSize PngSize(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> head{};
    if (!file.read(reinterpret_cast<char*>(head.data()), head.size()) || head[1] != 'P' || head[2] != 'N')
        return {};
    auto big = [&](std::size_t at) {
        return static_cast<int>(std::uint32_t(head[at]) << 24 | std::uint32_t(head[at + 1]) << 16 |
                                std::uint32_t(head[at + 2]) << 8 | head[at + 3]);
    };
    return {big(16), big(20)};
}

} // namespace

TEST(InstrumentImages, EveryImageIsInTheResourcesInItsSize)
{
    for (const InstrumentImage& image : InstrumentImages()) {
        std::string path = std::string(MORVIX_SOURCE_DIR) + "/res/images/" + InstrumentImageFile(image.id);
        EXPECT_EQ(PngSize(path), (PixelSize{image.width, image.height})) << path << " (" << image.shows << ")";
    }
}

TEST(InstrumentImages, KeysAndStaffImagesAreAllListed)
{
    std::set<int> ids;
    for (const InstrumentImage& image : InstrumentImages())
        EXPECT_TRUE(ids.insert(image.id).second) << image.id << " twice";
    for (const KeyImage& key : kKeyImages) {
        const InstrumentImage* horizontal = FindInstrumentImage(key.horizontalImage);
        const InstrumentImage* vertical = FindInstrumentImage(key.verticalImage);
        ASSERT_NE(horizontal, nullptr);
        ASSERT_NE(vertical, nullptr);
        EXPECT_EQ(horizontal->width, key.width);
        EXPECT_EQ(horizontal->height, kKeyImageLength);
        EXPECT_EQ(vertical->width, kKeyImageLength);
        EXPECT_EQ(vertical->height, key.width);
    }
    for (int id : {kTrebleClefImage, kBassClefImage, kAltoClefImage, kSharpImage, kFlatImage, kNaturalImage,
                   kQuarterUpImage, kQuarterDownImage, kHalfUpImage, kHalfDownImage, kWholeImage, kEighthUpImage,
                   kEighthDownImage}) {
        const InstrumentImage* image = FindInstrumentImage(id);
        ASSERT_NE(image, nullptr) << id;
        // The anchor lies inside the image.
        EXPECT_LT(SheetImageAnchor(id).y, image->height) << id;
    }
    EXPECT_EQ(ids.size(), 37u);
}
