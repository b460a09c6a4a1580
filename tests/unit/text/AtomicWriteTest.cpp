#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "text/TextFile.h"

namespace fs = std::filesystem;

// A process killed while it writes a file (as by kill -9 during the exit's
// writes) leaves the previous file whole: the new text goes to a temporary
// file that only a completed write renames into place.
TEST(AtomicWrite, AKilledWriterLeavesThePreviousFileWhole)
{
    fs::path dir = fs::temp_directory_path() / ("morvix-atomic-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path file = dir / "LAYOUT.USE";
    const std::string previous = "; the previous layout\nModel 1 -1 0 _Generic\n";
    ASSERT_TRUE(WriteWholeFile(file.string(), previous));

    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string huge(512u * 1024 * 1024, 'x');  // long enough to be caught mid-write
        WriteWholeFile(file.string(), huge);
        ::_exit(0);
    }
    fs::path temporary = file;
    temporary += ".tmp";
    std::error_code error;
    for (int i = 0; i < 2000 && !(fs::exists(temporary, error) && fs::file_size(temporary, error) > 0); ++i)
        ::usleep(1000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    bool killed = WIFSIGNALED(status);
    fs::remove_all(dir);
    if (!killed)
        GTEST_SKIP() << "the writer finished before it could be stopped";
    EXPECT_EQ(content.str(), previous);
}
