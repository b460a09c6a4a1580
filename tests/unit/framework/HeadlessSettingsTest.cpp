#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/SettingsSection.h"
#include "platform/headless/IniSettings.h"

namespace fs = std::filesystem;

namespace {

class IniSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("morvix-ini-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "profile.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void WriteRaw(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string ReadRaw(const std::string& file) const
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir;
    std::string path;
    std::ostringstream errors;
};

}  // namespace

TEST(SettingsSectionTest, PathsRoundTripWithoutSeparatorsOrBrackets)
{
    for (std::string name : {"/home/ann/scores/a b.txt", "C:\\Morvix\\[old]\\x.mve", "100%", "two\nlines\r",
                             "Model", ""}) {
        std::string escaped = EscapeSectionName(name);
        EXPECT_EQ(escaped.find_first_of("/\\[]\n\r"), std::string::npos) << escaped;
        EXPECT_EQ(UnescapeSectionName(escaped), name);
    }
    EXPECT_EQ(EscapeSectionName("Model"), "Model");
    EXPECT_EQ(EscapeSectionName("/a%"), "%2Fa%25");
    // Text that was never escaped comes back as it is.
    EXPECT_EQ(UnescapeSectionName("50%"), "50%");
    EXPECT_EQ(UnescapeSectionName("%G1%4"), "%G1%4");
}

TEST_F(IniSettingsTest, ValuesAndPathSectionsSurviveAReopen)
{
    {
        IniSettings settings(path, errors);
        settings.WriteInt("/home/ann/[draft] notes.txt", "FirstLine", 12);
        settings.WriteString("/home/ann/[draft] notes.txt", "FontName", "Courier New");
        settings.WriteString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,20,20,655,240");
        settings.WriteString("Odd", "Text", "50% off\r\nnext=line");
    }
    IniSettings reopened(path, errors);
    EXPECT_EQ(reopened.GetInt("/home/ann/[draft] notes.txt", "FirstLine", 0), 12);
    EXPECT_EQ(reopened.GetString("/home/ann/[draft] notes.txt", "FontName", ""), "Courier New");
    EXPECT_EQ(reopened.GetString("Settings", "WindowPos", ""), "0,1,-1,-1,-1,-1,20,20,655,240");
    EXPECT_EQ(reopened.GetString("Odd", "Text", ""), "50% off\r\nnext=line");
    EXPECT_EQ(reopened.All().size(), 3u);
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(IniSettingsTest, MissingValuesAndNonNumbersGiveTheDefault)
{
    WriteRaw("[Model]\nTopKey=abc\nKeys=12x\nCount=-7\n");
    IniSettings settings(path, errors);
    EXPECT_EQ(settings.GetInt("Model", "TopKey", 5), 5);
    EXPECT_EQ(settings.GetInt("Model", "Keys", 5), 5);
    EXPECT_EQ(settings.GetInt("Model", "Count", 5), -7);
    EXPECT_EQ(settings.GetInt("Absent", "Count", 9), 9);
    EXPECT_EQ(settings.GetString("Model", "Absent", "dflt"), "dflt");
}

TEST_F(IniSettingsTest, AMalformedFileStartsEmptyWithAMessageAndIsKeptAside)
{
    WriteRaw("[Model]\nTopKey=3\nthis line is nonsense\n");
    {
        IniSettings settings(path, errors);
        EXPECT_NE(errors.str().find("line 3"), std::string::npos) << errors.str();
        EXPECT_EQ(settings.GetInt("Model", "TopKey", -1), -1);
        settings.WriteInt("Model", "TopKey", 4);
    }
    EXPECT_EQ(ReadRaw(path + ".bad"), "[Model]\nTopKey=3\nthis line is nonsense\n");
    IniSettings reopened(path, errors);
    EXPECT_EQ(reopened.GetInt("Model", "TopKey", -1), 4);
}

TEST_F(IniSettingsTest, AnUnreadableOrUnwritablePathIsReportedNotFatal)
{
    fs::create_directories(path);  // a directory where the file should be
    IniSettings settings(path, errors);
    EXPECT_NE(errors.str().find("cannot be read"), std::string::npos);
    settings.WriteInt("Model", "TopKey", 1);
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(settings.GetInt("Model", "TopKey", 0), 1);
}

TEST_F(IniSettingsTest, SavingLeavesOnlyTheFinishedFile)
{
    IniSettings settings(path, errors);
    settings.WriteInt("Model", "TopKey", 1);
    ASSERT_TRUE(settings.Save());
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
    EXPECT_EQ(ReadRaw(path), "[Model]\nTopKey=1\n\n");
}
