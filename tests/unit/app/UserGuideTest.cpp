// The user guide in res/help: the Help commands open help/index.html, and
// every page, image and anchor it links to must ship with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "app/MainFrame.h"

namespace fs = std::filesystem;

namespace {

const fs::path kShippedDir = fs::path(MORVIX_SOURCE_DIR) / "res";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> AttributeValues(const std::string& html, const std::string& name)
{
    std::vector<std::string> values;
    std::regex attribute("\\b" + name + "=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), attribute); it != std::sregex_iterator(); ++it)
        values.push_back((*it)[1].str());
    return values;
}

bool IsExternal(const std::string& link)
{
    return link.rfind("http://", 0) == 0 || link.rfind("https://", 0) == 0 || link.rfind("mailto:", 0) == 0;
}

std::vector<fs::path> GuidePages()
{
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(kShippedDir / "help"))
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path());
    return pages;
}

// Problems with one link of page: a missing file, or an anchor its target lacks.
std::string CheckLink(const fs::path& page, const std::string& link)
{
    if (link.empty() || IsExternal(link))
        return {};
    std::string file = link.substr(0, link.find('#'));
    std::string anchor = link.find('#') == std::string::npos ? "" : link.substr(link.find('#') + 1);
    fs::path target = file.empty() ? page : page.parent_path() / file;
    if (!fs::is_regular_file(target))
        return page.filename().string() + ": " + link + " does not exist\n";
    if (!anchor.empty() && ReadAll(target).find("id=\"" + anchor + "\"") == std::string::npos)
        return page.filename().string() + ": " + link + " names no anchor of its page\n";
    return {};
}

} // namespace

TEST(UserGuide, TheHelpCommandsFirstPageShipsWithTheProgram)
{
    EXPECT_TRUE(fs::is_regular_file(kShippedDir / CMainFrame::kUserGuide));
}

TEST(UserGuide, EveryLocalLinkAndImageOfEveryPageExists)
{
    std::vector<fs::path> pages = GuidePages();
    ASSERT_GE(pages.size(), 10u);
    std::string problems;
    for (const fs::path& page : pages) {
        std::string html = ReadAll(page);
        for (const char* attribute : {"href", "src"})
            for (const std::string& link : AttributeValues(html, attribute))
                problems += CheckLink(page, link);
    }
    EXPECT_EQ(problems, "");
}

TEST(UserGuide, EveryPageIsReachableFromTheContents)
{
    std::string index = ReadAll(kShippedDir / "help" / "index.html");
    for (const fs::path& page : GuidePages())
        EXPECT_NE(index.find("href=\"" + page.filename().string() + "\""), std::string::npos) << page;
}
