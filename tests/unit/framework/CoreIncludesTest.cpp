#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kCoreFolders = {"framework", "harmony", "instruments", "midi", "text"};

// Every line of the files below src/folder that matches pattern, as
// "path:line: text".
std::vector<std::string> LinesMatching(const std::string& folder, const std::regex& pattern, int& scanned)
{
    std::vector<std::string> found;
    const fs::path root = fs::path(MORVIX_SOURCE_DIR) / "src" / folder;
    if (!fs::exists(root))
        return found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        ++scanned;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            if (std::regex_search(line, pattern))
                found.push_back(entry.path().string() + ":" + std::to_string(number) + ": " + line);
    }
    return found;
}

} // namespace

// The system's own folders build without any toolkit or sound library.
TEST(CoreIncludesTest, SystemFoldersIncludeNoQtFluidSynthOrAlsaHeader)
{
    const std::regex forbidden(R"(^\s*#\s*include\s*[<"](Q|fluidsynth|alsa/))");
    int scanned = 0;
    std::vector<std::string> folders = kCoreFolders;
    folders.push_back("app");
    for (const std::string& folder : folders)
        for (const auto& offender : LinesMatching(folder, forbidden, scanned))
            ADD_FAILURE() << offender;
    EXPECT_GT(scanned, 0);
}

// Dependencies point down: no core folder reaches the application, a
// platform or an executable.
TEST(CoreIncludesTest, CoreFoldersIncludeNothingAboveThem)
{
    const std::regex upwards(R"(^\s*#\s*include\s*"(app|platform|cli|gui)/)");
    int scanned = 0;
    for (const std::string& folder : kCoreFolders)
        for (const auto& offender : LinesMatching(folder, upwards, scanned))
            ADD_FAILURE() << offender;
    EXPECT_GT(scanned, 0);
}

// Within the core too: each folder includes only itself and the folders it
// builds on.
TEST(CoreIncludesTest, CoreFoldersIncludeOnlyTheFoldersBelowThem)
{
    const std::vector<std::pair<std::string, std::string>> above = {
        {"framework", "text|harmony|midi|instruments"},
        {"text", "harmony|midi|instruments"},
        {"harmony", "midi|instruments"},
        {"midi", "harmony|instruments"},
    };
    int scanned = 0;
    for (const auto& [folder, forbidden] : above) {
        const std::regex upwards(R"(^\s*#\s*include\s*"()" + forbidden + ")/");
        for (const auto& offender : LinesMatching(folder, upwards, scanned))
            ADD_FAILURE() << offender;
    }
    EXPECT_GT(scanned, 0);
}

// The libraries say the same: a core library links only core libraries.
TEST(CoreIncludesTest, CoreLibrariesLinkNothingAboveThem)
{
    std::ifstream in(fs::path(MORVIX_SOURCE_DIR) / "src" / "CMakeLists.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string cmake = text.str();
    const std::regex library(R"(morvix_library\((morvix_\w+) +([^\s)]+)([^)\n]*)\))");
    const std::regex aboveCore(R"(morvix_(app|headless|qt|sound|cli)\b)");
    int coreLibraries = 0;
    for (std::sregex_iterator it(cmake.begin(), cmake.end(), library), end; it != end; ++it) {
        const std::string folder = (*it)[2];
        bool isCore = std::find(kCoreFolders.begin(), kCoreFolders.end(), folder) != kCoreFolders.end();
        if (!isCore)
            continue;
        ++coreLibraries;
        const std::string deps = (*it)[3];
        EXPECT_FALSE(std::regex_search(deps, aboveCore)) << (*it)[0];
    }
    EXPECT_EQ(coreLibraries, static_cast<int>(kCoreFolders.size()));
    // Nothing may add a dependency to a core library after the fact.
    const std::regex laterLink(R"(target_link_libraries\(\s*(morvix_(framework|harmony|instruments|midi|text)|\$\{core\}))");
    EXPECT_FALSE(std::regex_search(cmake, laterLink));
}
