#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// The system's own folders must build without any toolkit or sound library.
TEST(CoreIncludesTest, CoreFoldersIncludeNoQtFluidSynthOrAlsaHeader)
{
    const std::regex forbidden(R"(^\s*#\s*include\s*[<"](Q|fluidsynth|alsa/))");
    const fs::path src = fs::path(MORVIX_SOURCE_DIR) / "src";
    std::vector<std::string> offenders;
    int scanned = 0;
    for (const char* folder : {"framework", "harmony", "instruments", "midi", "text", "app"}) {
        if (!fs::exists(src / folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(src / folder)) {
            if (!entry.is_regular_file())
                continue;
            ++scanned;
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number)
                if (std::regex_search(line, forbidden))
                    offenders.push_back(entry.path().string() + ":" + std::to_string(number) + ": " + line);
        }
    }
    EXPECT_GT(scanned, 0);
    for (const auto& offender : offenders)
        ADD_FAILURE() << offender;
}
