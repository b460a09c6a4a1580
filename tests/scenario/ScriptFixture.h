#pragma once
// Runs scripts through "morvix-cli run" in this process, with a temporary
// MORVIX_HOME holding a copy of the program's resources.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

struct ScriptResult {
    int status = 0;
    std::string out;
    std::string err;
};

class ScriptFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("morvix-scenario-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        fs::copy(fs::path(MORVIX_SOURCE_DIR) / "res", dir / "home", fs::copy_options::recursive);
        ::setenv("MORVIX_HOME", (dir / "home").c_str(), 1);
        ::unsetenv("MORVIX_PROFILE");
    }

    void TearDown() override
    {
        ::unsetenv("MORVIX_HOME");
        ::unsetenv("MORVIX_PROFILE");
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path WriteFile(const std::string& name, const std::string& content) const
    {
        std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // morvix-cli with these arguments, its output and errors kept.
    static ScriptResult Cli(const std::vector<std::string>& args)
    {
        std::ostringstream out, err;
        int status = RunCli(args, out, err);
        return {status, out.str(), err.str()};
    }

    ScriptResult Run(const std::string& script) const { return Cli({"run", WriteFile("script.txt", script).string()}); }

    std::filesystem::path dir;
};
