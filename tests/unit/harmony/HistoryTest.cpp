#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "harmony/HistoryEntry.h"
#include "harmony/HistoryFile.h"
#include "harmony/HistoryList.h"

TEST(HistoryEntry, NamesKeyScaleAndChord)
{
    EXPECT_EQ(MakeHistoryEntry("Eb", "natural minor", ""), "Eb natural minor");
    EXPECT_EQ(MakeHistoryEntry("C", "major", "1-3-5 I"), "C major; 1-3-5 I");
    EXPECT_EQ(MakeHistoryEntry("C", "major", "."), "C major");
}

TEST(HistoryEntry, SplitsBackIntoItsParts)
{
    HistoryEntryParts parts = SplitHistoryEntry("Eb harmonic minor; 1-3-5-7 (; melodic minor) mM7");
    EXPECT_EQ(parts.key, "Eb");
    EXPECT_EQ(parts.scale, "harmonic minor");
    EXPECT_EQ(parts.chord, "1-3-5-7 (; melodic minor) mM7");

    parts = SplitHistoryEntry("F# dorian mode");
    EXPECT_EQ(parts.scale, "dorian mode");
    EXPECT_EQ(parts.chord, "");

    parts = SplitHistoryEntry("G");
    EXPECT_EQ(parts.key, "G");
    EXPECT_EQ(parts.scale, "");

    parts = SplitHistoryEntry("G major;");
    EXPECT_EQ(parts.scale, "major");
    EXPECT_EQ(parts.chord, "");
    EXPECT_EQ(SplitHistoryEntry("").key, "");
}

TEST(HistoryList, RecordsOnlyNewEntriesWhileTheNewestIsSelected)
{
    CHistoryList list;
    EXPECT_TRUE(list.Record("C major"));
    EXPECT_TRUE(list.Record("D major"));
    EXPECT_FALSE(list.Record("D major"));
    EXPECT_TRUE(list.Record("E major"));
    EXPECT_EQ(list.Count(), 3);
    ASSERT_TRUE(list.Previous());
    EXPECT_EQ(list.SelectedText(), "D major");
    EXPECT_FALSE(list.Record("F major"));
    list.SetSelection(-1);
    EXPECT_TRUE(list.Record("F major"));
    EXPECT_EQ(list.GetSelection(), 3);
}

TEST(HistoryList, RecordingKeepsAtMostFiftyItemsButFillingKeepsEveryEntry)
{
    CHistoryList list;
    for (int i = 0; i < 51; ++i)
        list.Record("entry " + std::to_string(i));
    EXPECT_EQ(list.Count(), 50);
    EXPECT_EQ(list.Items().front(), "entry 1");
    EXPECT_EQ(list.GetSelection(), 49);

    std::vector<std::string> many(70, "x");
    many.back() = "newest";
    list.Fill(many);
    EXPECT_EQ(list.Count(), 70);
    EXPECT_EQ(list.SelectedText(), "newest");
    // The next entry brings the box back to the limit.
    EXPECT_TRUE(list.Record("one more"));
    EXPECT_EQ(list.Count(), 50);
    EXPECT_EQ(list.Items().front(), "x");
    EXPECT_EQ(list.SelectedText(), "one more");
}

TEST(HistoryList, SelectingPastEitherEndSelectsTheNewest)
{
    CHistoryList list;
    list.Fill({"a", "b", "c"});
    list.SetSelection(0);
    list.SetSelection(3);
    EXPECT_EQ(list.SelectedText(), "c");
    list.SetSelection(0);
    list.SetSelection(-1);
    EXPECT_EQ(list.SelectedText(), "c");
    list.SetSelection(2);
    EXPECT_EQ(list.GetSelection(), 2);
}

TEST(HistoryList, PreviousAndNextStopAtTheEnds)
{
    CHistoryList list;
    EXPECT_FALSE(list.Previous());
    EXPECT_FALSE(list.Next());
    EXPECT_EQ(list.SelectedText(), "");
    list.Fill({"a", "b"});
    EXPECT_FALSE(list.Next());
    EXPECT_TRUE(list.Previous());
    EXPECT_FALSE(list.Previous());
    EXPECT_TRUE(list.Next());
    list.SetSelection(5);
    EXPECT_EQ(list.GetSelection(), 1);
}

TEST(HistoryFile, ReadsEntriesAndSkipsCommentsAndIndentedLines)
{
    std::istringstream in(";;; header\r\n;\r\n\r\nC major\r\n D major\r\n\tE major\r\nF major; 1-3-5 I\n;x\n");
    CHistoryFile file("unused");
    file.entries = {"old"};
    file.Read(in);
    EXPECT_EQ(file.entries, (std::vector<std::string>{"C major", "F major; 1-3-5 I"}));
}

TEST(HistoryFile, OverlongLinesAreDroppedWhole)
{
    std::string text = std::string(1000, 'a') + "\n" + std::string(5000, 'b') + "\nC major\n";
    std::istringstream in(text);
    CHistoryFile file("unused");
    file.Read(in);
    ASSERT_EQ(file.entries.size(), 2u);
    EXPECT_EQ(file.entries[0].size(), 1000u);
    EXPECT_EQ(file.entries[1], "C major");

    // 1023 characters fit the line buffer; 1024 do not.
    std::istringstream bounds(std::string(1023, 'c') + "\r\n" + std::string(1024, 'd') + "\r\nD major\r\n");
    CHistoryFile exact("unused");
    exact.Read(bounds);
    ASSERT_EQ(exact.entries.size(), 2u);
    EXPECT_EQ(exact.entries[0], std::string(1023, 'c'));
    EXPECT_EQ(exact.entries[1], "D major");
}

TEST(HistoryFile, SavesHeaderAndEntriesThenLoadsThemBack)
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("morvix_history_test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::path path = dir / CHistoryFile::kFileName;
    std::filesystem::remove(path);

    CHistoryFile empty(path);
    ASSERT_TRUE(empty.Save());
    std::ifstream written(path);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(written, line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], ";;; -*- File: History.use; Mode: text; Version: 2.1 beta -*- ;;;");
    EXPECT_EQ(lines[2], "; Morvix Music Reference");
    EXPECT_TRUE(lines[3].starts_with("; "));
    EXPECT_EQ(lines[5], "; Generated on application exit for startup model history.");
    EXPECT_EQ(lines[7], "");

    CHistoryFile file(path);
    file.entries = {"C major", "Eb natural minor; 1-3-5 I"};
    ASSERT_TRUE(file.Save());
    EXPECT_FALSE(std::filesystem::exists(dir / "HISTORY.USE.tmp"));
    CHistoryFile loaded(path);
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.entries, file.entries);
    std::filesystem::remove_all(dir);
}

TEST(HistoryFile, MissingFileKeepsTheListAndUnwritablePlaceFails)
{
    CHistoryFile file("/nonexistent/dir/HISTORY.USE");
    file.entries = {"C major"};
    EXPECT_FALSE(file.Load());
    EXPECT_EQ(file.entries.size(), 1u);
    EXPECT_FALSE(file.Save());
}
