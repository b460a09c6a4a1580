#include "InstrumentFixture.h"

#include <cctype>
#include <set>

#include "instruments/SheetDrawing.h"
#include "instruments/SheetImages.h"
#include "instruments/SheetInstrument.h"

namespace {

class SheetStaff : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        sheet.SetDefaults("G");
    }

    void Build() { layout = BuildSheetLines(sheet, model, speller, base); }

    const std::string& Row(int row) const
    {
        return base.lines[static_cast<std::size_t>(layout.firstLine + row)];
    }

    // Rows whose character at column is not the staff's own (blank or line).
    std::set<int> RowsWritten(std::size_t column) const
    {
        std::set<int> rows;
        for (int row = 0; row < layout.rows; ++row) {
            char c = Row(row).at(column);
            if (c != ' ' && c != '-')
                rows.insert(row);
        }
        return rows;
    }

    // Column of the note column's label (after its frame character).
    std::size_t LabelColumn(std::size_t note) const
    {
        return static_cast<std::size_t>(layout.notes.at(note).start + 1);
    }

    SheetInstrument sheet;
    StaffLayout layout;
};

} // namespace

TEST_F(SheetStaff, TrebleStaffStartsWithNameClefLetterAndBar)
{
    Build();
    EXPECT_EQ(layout.firstLine, 22);
    EXPECT_EQ(base.lineCount, 75);
    EXPECT_TRUE(base.lines[21].empty());
    std::vector<std::string> starts;
    for (int row = 0; row < 23; ++row)
        starts.push_back(Row(row).substr(0, 4));
    std::vector<std::string> expected(23, "    ");
    const char* staff[] = {"----", "T | ", "r-+-", "e | ", "b-+-", "l | ", "e-G-", "  | ", "----"};
    for (int row = 7; row <= 15; ++row)
        expected[static_cast<std::size_t>(row)] = staff[row - 7];
    EXPECT_EQ(starts, expected);
}

TEST_F(SheetStaff, CMajorInAlternateOctaves)
{
    sheet.showNotes = 'a';
    Build();
    EXPECT_EQ(layout.notes.at(0).start, 5);  // one fill column for a signature without accidentals
    EXPECT_EQ(Row(10).substr(5, 3), " C ");
    EXPECT_EQ(Row(9).substr(8, 3), "-D-");
    std::vector<std::set<int>> expected = {{10}, {9}, {8, 22}, {7, 21}, {6, 20}, {5, 19}, {4, 18},
                                           {3, 17}, {2, 16}, {1, 15}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(RowsWritten(LabelColumn(i)), expected[i]) << "note column " << i;
    EXPECT_EQ(layout.notes.size(), 40u);
    EXPECT_EQ(layout.columnCount, 126);
    EXPECT_EQ(Row(7).size(), 126u);
    EXPECT_EQ(Row(8)[125], '|');
    EXPECT_EQ(Row(9)[125], '+');
}

TEST_F(SheetStaff, EveryOctaveShowsEachOccurrence)
{
    sheet.showNotes = 'e';
    Build();
    EXPECT_EQ(RowsWritten(LabelColumn(0)), (std::set<int>{3, 10, 17}));
    EXPECT_EQ(RowsWritten(LabelColumn(2)), (std::set<int>{1, 8, 15, 22}));
}

TEST_F(SheetStaff, KeySignaturesStandOnTheirLines)
{
    ShowScale("G", "major");
    Build();
    EXPECT_EQ(RowsWritten(5), std::set<int>{7});
    EXPECT_EQ(Row(7)[5], '#');
    EXPECT_EQ(layout.notes.at(0).start, 8);
    ShowScale("F", "major");
    Build();
    EXPECT_EQ(RowsWritten(5), std::set<int>{11});
    EXPECT_EQ(Row(11)[5], 'b');
    ShowScale("E", "major");
    Build();
    // F# C# G# D#: top line, third space, space above the staff, fourth line.
    EXPECT_EQ(Row(7)[5], '#');
    EXPECT_EQ(Row(10)[6], '#');
    EXPECT_EQ(Row(6)[7], '#');
    EXPECT_EQ(Row(9)[8], '#');
}

TEST_F(SheetStaff, KeySignaturesInOtherClefs)
{
    ShowScale("G", "major");
    sheet.clefCode = 'C';  // alto: F# in the top space
    Build();
    EXPECT_EQ(RowsWritten(5), std::set<int>{8});
    sheet.clefCode = 'F';  // bass: F# on the fourth line
    Build();
    EXPECT_EQ(RowsWritten(5), std::set<int>{9});
}

// Every clef of the text view: its letter on the bar at its clef row, and
// the rows of D major's two sharps and E flat major's three flats, one per
// column from column 5. The graph view's images are placed by the same rows.
TEST_F(SheetStaff, EveryClefsLetterAndSignatureRowsInTheTextView)
{
    struct Clef {
        char code;
        char letter;
        int clefRow;
        std::vector<int> sharps;  // F# C#
        std::vector<int> flats;   // Bb Eb Ab
    };
    const Clef clefs[] = {
        {'G', 'G', 13, {7, 10}, {11, 8, 12}},  {'V', 'G', 15, {9, 12}, {13, 10, 14}},
        {'4', 'G', 11, {12, 8}, {9, 6, 10}},   {'3', 'C', 15, {12, 15}, {9, 13, 10}},
        {'M', 'C', 13, {10, 13}, {14, 11, 15}}, {'C', 'C', 11, {8, 11}, {12, 9, 13}},
        {'T', 'C', 9, {13, 9}, {10, 7, 11}},   {'2', 'C', 7, {11, 14}, {8, 12, 9}},
        {'1', 'F', 11, {11, 14}, {15, 12, 16}}, {'F', 'F', 9, {9, 12}, {13, 10, 14}},
        {'L', 'F', 7, {7, 10}, {11, 8, 12}},
    };
    auto signatureRows = [this](int count) {
        std::vector<int> rows;
        for (int k = 0; k < count; ++k) {
            std::set<int> written = RowsWritten(static_cast<std::size_t>(5 + k));
            EXPECT_EQ(written.size(), 1u) << "column " << 5 + k;
            rows.push_back(written.empty() ? -1 : *written.begin());
        }
        return rows;
    };
    for (const Clef& clef : clefs) {
        sheet.clefCode = clef.code;
        ShowScale("D", "major");
        Build();
        EXPECT_EQ(Row(clef.clefRow)[2], clef.letter) << clef.code;
        int letters = 0;
        for (int row = 0; row < layout.rows; ++row)
            letters += std::isalpha(static_cast<unsigned char>(Row(row)[2])) ? 1 : 0;
        EXPECT_EQ(letters, 1) << clef.code << ": one clef letter";
        EXPECT_EQ(signatureRows(2), clef.sharps) << clef.code;
        EXPECT_EQ(Row(clef.sharps[0])[5], '#');
        ShowScale("Eb", "major");
        Build();
        EXPECT_EQ(signatureRows(3), clef.flats) << clef.code;
        EXPECT_EQ(Row(clef.flats[0])[5], 'b');
    }
}

// A chord tone the scale lacks stands on its own letter's row: C7's Bb in
// C major on a B row (it stood on the A row, read as A#).
TEST_F(SheetStaff, AChordToneOutsideTheScaleStandsOnItsOwnLetter)
{
    ShowChord("seventh", "7");
    Build();
    const NoteColumn* flat = nullptr;
    for (const NoteColumn& note : layout.notes)
        if (note.offset == 10)
            flat = &note;
    ASSERT_NE(flat, nullptr);
    std::set<int> rows = RowsWritten(static_cast<std::size_t>(flat->start + 1));
    ASSERT_FALSE(rows.empty());
    for (int row : rows) {
        EXPECT_EQ(Row(row).substr(static_cast<std::size_t>(flat->start + 1), 2), "Bb");
        EXPECT_EQ((row - 18) % 7, 0) << "B rows of the treble staff are 18, 11 and 4";
    }
}

TEST_F(SheetStaff, GrandStaffRepeatsTheSignatureOnTheBassStaff)
{
    sheet.clefCode = 'P';
    ShowScale("D", "major");
    Build();
    EXPECT_EQ(layout.rows, 35);
    EXPECT_EQ(Row(21)[2], 'F');
    EXPECT_EQ(Row(13)[2], 'G');
    EXPECT_EQ(Row(21)[0], 'B');
    EXPECT_EQ(RowsWritten(5), (std::set<int>{7, 21}));
    EXPECT_EQ(RowsWritten(6), (std::set<int>{10, 24}));
}

TEST_F(SheetStaff, PentatonicHasNoSignatureColumn)
{
    ShowScale("G", "major pentatonic");
    Build();
    EXPECT_EQ(layout.notes.at(0).start, 4);
    EXPECT_TRUE(layout.keySignature[0].Empty());
    // Five labels of one character: 41 columns of 3 reach 127.
    EXPECT_EQ(layout.notes.size(), 41u);
    EXPECT_EQ(layout.columnCount, 128);
}

TEST_F(SheetStaff, AsManySharpsAsFlatsAreWrittenAsFlats)
{
    ShowScale("D", "harmonic minor");  // Bb and C#
    Build();
    EXPECT_EQ(layout.keySignature[0].Text(), "Bb");
    EXPECT_TRUE(layout.keySignature[1].Empty());
    EXPECT_EQ(RowsWritten(5), std::set<int>{11});
    EXPECT_EQ(layout.notes.at(0).start, 8);
}

TEST_F(SheetStaff, NotesAreHiddenWhilePlaying)
{
    sheet.playbackActive = true;
    Build();
    for (std::size_t column = 5; column < 125; ++column)
        EXPECT_TRUE(RowsWritten(column).empty()) << column;
}

TEST_F(SheetStaff, GraphStyleHasEdgesAndNoClefText)
{
    base.viewStyle = 'g';
    base.charSet = 2;
    Build();
    EXPECT_EQ(Row(7).substr(0, 4), "\xDA\xC4\xC4\xC4");
    EXPECT_EQ(Row(13).substr(0, 4), "\xC3\xC4\xC4\xC4");
    EXPECT_EQ(Row(8).substr(0, 4), "\xB3   ");
    EXPECT_EQ(Row(15).back(), '\xD9');
    EXPECT_EQ(layout.clefImage, kTrebleClefImage);
    EXPECT_EQ(layout.clefRow, 13);
}

TEST_F(SheetStaff, GraphStyleWritesNoSignatureText)
{
    base.viewStyle = 'g';
    ShowScale("F", "major");
    Build();
    EXPECT_TRUE(RowsWritten(5).empty());
    ASSERT_EQ(layout.signature.size(), 1u);
    EXPECT_EQ(layout.signature[0].row, 11);
    EXPECT_EQ(layout.signature[0].sign, 'b');
}

TEST_F(SheetStaff, UnknownClefDrawsAPlainStaff)
{
    sheet.clefCode = 'Z';
    ShowScale("D", "major");
    Build();
    EXPECT_EQ(layout.firstLine, 22);
    EXPECT_EQ(Row(8).substr(0, 4), "  | ");
    EXPECT_EQ(Row(13).substr(0, 4), "--+-");
    EXPECT_EQ(RowsWritten(5), std::set<int>{7});
    EXPECT_EQ(RowsWritten(6), std::set<int>{10});
}

TEST_F(SheetStaff, ClefChangeClearsTheOldBlock)
{
    sheet.clefCode = 'L';
    Build();
    EXPECT_FALSE(base.lines[36 + 7].empty());
    sheet.clefCode = 'G';
    Build();
    EXPECT_TRUE(base.lines[36 + 15].empty());
}
