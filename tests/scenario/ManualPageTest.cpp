// The manual pages against the programs: every command and option the
// programs list, every variable they read and every file they keep is in
// their page, so the pages cannot fall behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/ProgramInfo.h"
#include "app/StartupLayout.h"
#include "cli/Cli.h"
#include "cli/Subcommands.h"
#include "harmony/ChordCatalog.h"
#include "harmony/HistoryFile.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumentCatalog.h"

namespace fs = std::filesystem;

namespace {

using Options = std::set<std::string>;

std::vector<std::string> SourceLines(const fs::path& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> ManPage(const std::string& name)
{
    auto lines = SourceLines(fs::path(MORVIX_SOURCE_DIR) / "docs/man" / (name + ".1.in"));
    EXPECT_FALSE(lines.empty()) << name;
    return lines;
}

// A line as the reader sees it: no macro name, font change or escape.
std::string Plain(std::string line)
{
    line = std::regex_replace(line, std::regex(R"(^\.[A-Z]+ ?)"), "");
    line = std::regex_replace(line, std::regex(R"(\\f[BIRP])"), "");
    line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
    line = std::regex_replace(line, std::regex(R"(\\\(..|\\[&|c])"), "");
    return std::regex_replace(line, std::regex("\""), "");
}

// The tagged paragraphs (.TP) of one section, each its tag line made plain;
// the paragraphs of an indented list (.RS to .RE) within them are left out.
std::vector<std::string> Entries(const std::vector<std::string>& page, const std::string& section)
{
    std::vector<std::string> entries;
    bool inSection = false, nextIsTag = false;
    int depth = 0;
    for (const std::string& line : page) {
        if (line.rfind(".SH ", 0) == 0)
            inSection = line == ".SH " + section;
        else if (!inSection)
            continue;
        else if (line == ".RS")
            ++depth;
        else if (line == ".RE")
            --depth;
        else if (line == ".TP" || line == ".TQ")
            nextIsTag = depth == 0;
        else if (nextIsTag) {
            entries.push_back(Plain(line));
            nextIsTag = false;
        }
    }
    return entries;
}

std::string Section(const std::vector<std::string>& page, const std::string& section)
{
    std::string text;
    bool inSection = false;
    for (const std::string& line : page) {
        if (line.rfind(".SH ", 0) == 0)
            inSection = line == ".SH " + section;
        else if (inSection)
            text += Plain(line) + "\n";
    }
    return text;
}

Options LongOptions(const std::string& text)
{
    Options options;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

std::string FirstWord(const std::string& text)
{
    return text.substr(0, text.find(' '));
}

// The MORVIX_ variables the sources read, outside the folders named.
std::set<std::string> VariablesRead(const std::vector<std::string>& excludedFolders)
{
    std::set<std::string> names;
    const fs::path src = fs::path(MORVIX_SOURCE_DIR) / "src";
    const std::regex read(R"re(getenv\("(MORVIX_[A-Z_]+)"\))re");
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        std::string relative = fs::relative(entry.path(), src).string();
        bool excluded = false;
        for (const std::string& folder : excludedFolders)
            excluded = excluded || relative.rfind(folder, 0) == 0;
        if (!entry.is_regular_file() || excluded)
            continue;
        for (const std::string& line : SourceLines(entry.path())) {
            std::smatch match;
            if (std::regex_search(line, match, read))
                names.insert(match[1]);
        }
    }
    return names;
}

void ExpectVariablesListed(const std::string& page, const std::set<std::string>& names)
{
    std::set<std::string> listed;
    for (const std::string& entry : Entries(ManPage(page), "ENVIRONMENT"))
        listed.insert(entry);
    for (const std::string& name : names)
        EXPECT_TRUE(listed.count(name)) << page << "(1) lacks " << name;
}

void ExpectFilesNamed(const std::string& page)
{
    std::string files = Section(ManPage(page), "FILES");
    for (const char* name : {CScaleCatalog::kFileName, CChordCatalog::kFileName, CInstrumentCatalog::kFileName,
                             CHistoryFile::kFileName, CStartupLayout::kFileName})
        EXPECT_NE(files.find(name), std::string::npos) << page << "(1) does not name " << name;
}

} // namespace

TEST(ManualPageTest, TheCliPageHasEveryCommandWithItsOptionsInHelpOrder)
{
    std::vector<std::string> entries = Entries(ManPage("morvix-cli"), "COMMANDS");
    const auto& subcommands = Subcommands();
    ASSERT_EQ(entries.size(), subcommands.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(FirstWord(entries[i]), subcommands[i].name) << entries[i];
        EXPECT_EQ(LongOptions(entries[i]), LongOptions(subcommands[i].usage)) << subcommands[i].name;
    }
}

TEST(ManualPageTest, ThePagesHaveTheProgramsOwnOptions)
{
    std::ostringstream help, err;
    ASSERT_EQ(RunCli({"--help"}, help, err), 0);
    Options cli;
    for (const std::string& entry : Entries(ManPage("morvix-cli"), "OPTIONS"))
        cli.merge(LongOptions(entry));
    EXPECT_EQ(cli, LongOptions(help.str().substr(0, help.str().find("commands:"))));

    Options desktop;
    for (const std::string& entry : Entries(ManPage("morvix"), "OPTIONS"))
        desktop.merge(LongOptions(entry));
    EXPECT_EQ(desktop, LongOptions(DesktopInfoRequest({"--help"}).value_or("")));
}

TEST(ManualPageTest, ThePagesListTheVariablesAndFilesTheProgramsUse)
{
    std::set<std::string> everywhere = VariablesRead({});
    EXPECT_GE(everywhere.size(), 4u);  // MORVIX_HOME, _PROFILE, _MIDI_OUT, _SOUNDFONT at least
    ExpectVariablesListed("morvix-cli", everywhere);
    // The desktop program keeps its settings with Qt: MORVIX_PROFILE is the command line's.
    ExpectVariablesListed("morvix", VariablesRead({"cli", "platform/headless"}));
    ExpectFilesNamed("morvix-cli");
    ExpectFilesNamed("morvix");
}

TEST(ManualPageTest, BothProgramsAnswerVersionAndTheHelpSaysSo)
{
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), VersionLine("morvix-cli"));
    EXPECT_EQ(VersionLine("morvix").rfind("morvix (Morvix Music Reference) ", 0), 0u);
    EXPECT_EQ(DesktopInfoRequest({"a.mve", "--version"}), VersionLine("morvix"));
    EXPECT_FALSE(DesktopInfoRequest({"a.mve", "--register"}).has_value());
    EXPECT_FALSE(DesktopInfoRequest({}).has_value());
}
