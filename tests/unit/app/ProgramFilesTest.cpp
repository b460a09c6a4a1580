#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/HomeDir.h"

namespace fs = std::filesystem;

class ProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Each test its own folder: ctest runs them side by side.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() /
               ("morvix-program-files-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(root);
        fs::create_directories(root / "usr/bin");
        fs::create_directories(root / "usr/share/morvix");
        std::ofstream(root / "usr/share/morvix/SCALES.USE") << "installed";
        std::ofstream(root / "usr/share/morvix/CHORDS.USE") << "installed";
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
};

TEST_F(ProgramFilesTest, AnInstalledProgramReadsItsShareFolderAndWritesTheUsersDataFolder)
{
    ProgramFiles files = FindProgramFiles((root / "usr/bin").string(), nullptr, (root / "data").c_str(), "/nowhere");
    EXPECT_EQ(files.dataDir, (root / "usr/share/morvix").string());
    EXPECT_EQ(files.userDir, (root / "data/morvix").string());
    EXPECT_EQ(files.Find("SCALES.USE"), (root / "usr/share/morvix/SCALES.USE").string());

    std::string history = files.Writable("HISTORY.USE");
    EXPECT_EQ(history, (root / "data/morvix/HISTORY.USE").string());
    EXPECT_TRUE(fs::is_directory(root / "data/morvix"));

    std::ofstream(root / "data/morvix/SCALES.USE") << "mine";
    EXPECT_EQ(files.Find("SCALES.USE"), (root / "data/morvix/SCALES.USE").string());
    EXPECT_EQ(files.Find("CHORDS.USE"), (root / "usr/share/morvix/CHORDS.USE").string());

    ProgramFiles noXdg = FindProgramFiles((root / "usr/bin").string(), nullptr, "", (root / "home").c_str());
    EXPECT_EQ(noXdg.userDir, (root / "home/.local/share/morvix").string());
}

TEST_F(ProgramFilesTest, MorvixHomeAndTheBuildTreeKeepEverythingInOneFolder)
{
    ProgramFiles home = FindProgramFiles((root / "usr/bin").string(), "/somewhere", (root / "data").c_str(), "/h");
    EXPECT_EQ(home.dataDir, "/somewhere");
    EXPECT_EQ(home.userDir, "/somewhere");
    EXPECT_EQ(home.programDir, (root / "usr/share/morvix").string());

    std::ofstream(root / "usr/bin/SCALES.USE") << "build tree";
    ProgramFiles tree = FindProgramFiles((root / "usr/bin").string(), nullptr, (root / "data").c_str(), "/h");
    EXPECT_EQ(tree.dataDir, (root / "usr/bin").string());
    EXPECT_EQ(tree.userDir, tree.dataDir);
    EXPECT_EQ(tree.Find("SCALES.USE"), (root / "usr/bin/SCALES.USE").string());
    EXPECT_EQ(tree.programDir, tree.dataDir);
}

// A MORVIX_HOME holding only catalogues keeps the program's images, icons
// and help: they come from the executable's folder or share/morvix.
TEST_F(ProgramFilesTest, ImagesIconsAndHelpComeFromTheProgramWhateverMorvixHomeSays)
{
    ProgramFiles installed = FindProgramFiles((root / "usr/bin").string(), "/catalogues", nullptr, "/h");
    EXPECT_EQ(installed.dataDir, "/catalogues");
    EXPECT_EQ(installed.Program("help/index.html"), (root / "usr/share/morvix/help/index.html").string());
    ProgramFiles plain = FindProgramFiles((root / "usr/bin").string(), nullptr, (root / "data").c_str(), "/h");
    EXPECT_EQ(plain.programDir, (root / "usr/share/morvix").string());

    std::ofstream(root / "usr/bin/SCALES.USE") << "build tree";
    ProgramFiles tree = FindProgramFiles((root / "usr/bin").string(), "/catalogues", nullptr, "/h");
    EXPECT_EQ(tree.Program("images/155.png"), (root / "usr/bin/images/155.png").string());
}
