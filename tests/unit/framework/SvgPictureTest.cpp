// Pictures written as SVG: the box-drawing strokes the window paints, text
// cell by cell, images embedded once, the size scaled over the drawing's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/BoxDrawing.h"
#include "framework/SvgPicture.h"

namespace fs = std::filesystem;

namespace {

constexpr Color kBlack = MakeColor(0, 0, 0);
constexpr Color kWhite = MakeColor(255, 255, 255);

// The first 24 bytes of a PNG file: its signature and IHDR header.
std::string PngHeader(int width, int height)
{
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (int value : {width, height})
        for (int shift : {24, 16, 8, 0})
            bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

LogFont Cell(int width, int height)
{
    LogFont font;
    font.faceName = "Morvix LineDraw Light";
    font.width = width;
    font.height = height;
    return font;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string Svg(Size size, int scale, const std::function<void(IDrawingSurface&)>& draw,
                const ImageSource& images = {})
{
    return SvgPictureText(PictureJob{"Guitar <6>", size, scale, draw}, images);
}

} // namespace

TEST(SvgPicture, TheDocumentIsScaledOverTheDrawingsOwnSize)
{
    std::string svg = Svg({100, 40}, 250, [](IDrawingSurface& s) { s.FillRect(s.ClipBox(), MakeColor(255, 0, 16)); });
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""))
        << svg;
    EXPECT_NE(svg.find(" width=\"250\" height=\"100\" viewBox=\"0 0 100 40\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("<title>Guitar &lt;6&gt;</title>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"100\" height=\"40\" fill=\"#ff0010\"/>"), std::string::npos)
        << svg;
    EXPECT_TRUE(svg.ends_with("</g>\n</svg>\n")) << svg;
}

TEST(SvgPicture, BoxGlyphsBecomeJoinedStrokesAndOtherTextSitsInItsCells)
{
    // "─A─┼" and a blank in 8 x 12 cells at (4, 4): one stroke runs through
    // the first cell, another from the third into the fourth, whose cross
    // adds its vertical arms; "&" is escaped, the blank is left out.
    std::string svg = Svg({64, 24}, 100, [](IDrawingSurface& s) {
        s.Text(4, 4, "\xC4" "A\xC4\xC5 &", Cell(8, 12), kBlack, kWhite, false);
    });
    EXPECT_NE(svg.find("<rect x=\"4\" y=\"10\" width=\"8\" height=\"1\" fill=\"#000000\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<rect x=\"20\" y=\"10\" width=\"16\" height=\"1\" fill=\"#000000\"/>"), std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<rect x=\"32\" y=\"4\" width=\"1\" height=\"7\" fill=\"#000000\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<rect x=\"32\" y=\"10\" width=\"1\" height=\"6\" fill=\"#000000\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<text transform=\"translate(12 14) scale(1.289 1)\" x=\"0\" y=\"0\" "
                       "font-family=\"DejaVu Sans Mono, monospace\" font-size=\"10.309\" fill=\"#000000\">A</text>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("translate(44 14)"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">&amp;</text>"), std::string::npos) << svg;
    EXPECT_EQ(Count(svg, "<text "), 2u) << svg;
}

TEST(SvgPicture, ARunOfCharactersSharesOneElementWithAPositionPerCell)
{
    LogFont bold = Cell(10, 12);
    bold.weight = 700;
    std::string svg = Svg({64, 24}, 100, [&bold](IDrawingSurface& s) {
        s.Text(0, 0, "F#m", bold, kWhite, kBlack, true);
    });
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"30\" height=\"12\" fill=\"#000000\"/>"), std::string::npos)
        << svg;
    EXPECT_NE(svg.find("x=\"0 6.206 12.412\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("font-weight=\"bold\" fill=\"#ffffff\">F#m</text>"), std::string::npos) << svg;
}

TEST(SvgPicture, LettersInTheHeavyLineDrawingFaceAreBoldAndOthersAreNot)
{
    LogFont heavy = Cell(10, 12);
    heavy.faceName = "Morvix LineDraw Heavy";
    LogFont light = Cell(10, 12);
    std::string svg = Svg({64, 24}, 100, [&](IDrawingSurface& s) {
        s.Text(0, 0, "Am", heavy, kWhite, kBlack, false);
        s.Text(0, 12, "Dm", light, kWhite, kBlack, false);
    });
    EXPECT_NE(svg.find("font-weight=\"bold\" fill=\"#ffffff\">Am</text>"), std::string::npos) << svg;
    EXPECT_EQ(Count(svg, "font-weight"), 1u) << svg;
}

TEST(SvgPicture, ImagesAreEmbeddedOnceAndMultipliedOntoTheDrawing)
{
    int asked = 0;
    ImageSource images = [&asked](int id) -> std::optional<EmbeddedImage> {
        ++asked;
        if (id != 155)
            return std::nullopt;
        return EmbeddedImage{"abcd", 24, 64};
    };
    std::string svg = Svg({100, 100}, 100,
                          [](IDrawingSurface& s) {
                              s.Image(0, 0, 155);
                              s.Image(24, 0, 155);
                              s.Image(48, 0, 999);
                              s.Image(72, 0, 999);
                          },
                          images);
    EXPECT_EQ(asked, 2);
    EXPECT_NE(svg.find("<defs>\n<image id=\"image155\" width=\"24\" height=\"64\" "
                       "xlink:href=\"data:image/png;base64,YWJjZA==\"/>\n</defs>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<use xlink:href=\"#image155\" x=\"24\" y=\"0\" style=\"mix-blend-mode:multiply\"/>"),
              std::string::npos)
        << svg;
    EXPECT_EQ(Count(svg, "<use "), 2u) << svg;
}

TEST(SvgPicture, LinesCoverTheirEndPixelsAndInvertingDifferencesWhite)
{
    std::string svg = Svg({20, 20}, 100, [](IDrawingSurface& s) {
        s.Line(2, 3, 2, 9, kBlack);
        s.InvertRect({1, 1, 5, 5});
    });
    EXPECT_NE(svg.find("<line x1=\"2.5\" y1=\"3.5\" x2=\"2.5\" y2=\"9.5\" stroke=\"#000000\" stroke-width=\"1\" "
                       "stroke-linecap=\"square\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<rect x=\"1\" y=\"1\" width=\"4\" height=\"4\" fill=\"#ffffff\" "
                       "style=\"mix-blend-mode:difference\"/>"),
              std::string::npos)
        << svg;
}

TEST(BoxDrawing, DoubleLinesAreTwoStrokesAndSingleLinesOne)
{
    Rect cell{0, 0, 8, 12};
    EXPECT_EQ(BoxStrokes(cell, *BoxArmsOf(u'\u2500'), 1), (std::vector<Rect>{{0, 6, 5, 7}, {4, 6, 8, 7}}));
    EXPECT_EQ(BoxStrokes(cell, *BoxArmsOf(u'\u2551'), 1), (std::vector<Rect>{{2, 0, 3, 7}, {6, 0, 7, 7},
                                                                             {2, 6, 3, 12}, {6, 6, 7, 12}}));
    EXPECT_EQ(BoxStrokes(cell, *BoxArmsOf(u'\u256C'), 2).size(), 8u);
    EXPECT_FALSE(BoxArmsOf(u'A'));
    LogFont heavy;
    heavy.faceName = "Morvix LineDraw Heavy";
    EXPECT_EQ(BoxStrokeWidth(heavy), 2);
    EXPECT_EQ(BoxStrokeWidth(LogFont{}), 1);
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("morvix-picture-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

TEST_F(PictureFileTest, ImagesAreReadFromTheFirstFolderThatHasAPngOfTheirId)
{
    fs::create_directories(dir / "first");
    fs::create_directories(dir / "second");
    std::ofstream(dir / "second" / "155.png", std::ios::binary) << PngHeader(24, 300) << "rest";
    std::ofstream(dir / "first" / "156.png", std::ios::binary) << "not a PNG file at all, though long enough";
    ImageSource images = ImagesInFolders({(dir / "first").string(), (dir / "second").string()});
    std::optional<EmbeddedImage> image = images(155);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 24);
    EXPECT_EQ(image->height, 300);
    EXPECT_EQ(image->png, PngHeader(24, 300) + "rest");
    EXPECT_FALSE(images(156));
    EXPECT_FALSE(images(157));
}

TEST_F(PictureFileTest, AFileIsReplacedWholeAndAFailureSaysWhy)
{
    std::string path = (dir / "out.svg").string();
    std::ofstream(path) << "old";
    std::string error;
    ASSERT_TRUE(WritePictureFile(path, "<svg/>", error)) << error;
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "<svg/>");
    EXPECT_FALSE(fs::exists(path + ".part"));
    EXPECT_FALSE(WritePictureFile((dir / "missing" / "out.svg").string(), "<svg/>", error));
    EXPECT_EQ(error, "No such file or directory");
}
