#include "InstrumentFixture.h"

#include "instruments/FingeringCharts.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/WindInstrument.h"

namespace {

using Lines = std::vector<std::string>;

class FingeringCharts : public InstrumentFixture {
protected:
    Lines Draw()
    {
        DrawRecorder(recorder, model, speller, base);
        return DrawnLines();
    }

    // The five-character column of chart n in the block starting at line first.
    static Lines Column(const Lines& lines, std::size_t n, std::size_t first = 0)
    {
        Lines column;
        for (std::size_t row = first; row < first + 18; ++row)
            column.push_back(lines.at(row).substr(5 * n, 5));
        return column;
    }

    static std::string Labels(const Lines& lines, std::size_t line)
    {
        std::string labels;
        for (std::size_t i = 0; i + 5 <= lines[line].size(); i += 5)
            labels += lines[line].substr(i, 5) + "|";
        return labels;
    }

    WindInstrument recorder;
};

const Lines kClosedC = {"  C  ", " --- ", " {*} ", " --- ", " {*} ", "     ", " {*} ", "     ", " {*} ",
                        " --- ", " {*} ", "     ", " {*} ", "     ", " {*} ", "     ", " {*} ", " --- "};

} // namespace

TEST_F(FingeringCharts, CRecorderInCMajorHasSixteenChartsInOneBlock)
{
    recorder.SetDefaults("C 6 G 12 74");
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0].size(), 16u * 5);
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(Column(lines, 0), kClosedC);
    EXPECT_EQ(Labels(lines, 0), "  C  |  D  |  E  |  F  |  G  |  A  |  B  |  C  |  D  |  E  |  F  |  G  |  A  |"
                                "  B  |  C  |  D  |");
    // Patterns 0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24, 26 by their hole rows.
    const std::vector<int> patterns = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24, 26};
    const std::array<std::size_t, 8> holeRows = {2, 4, 6, 8, 10, 12, 14, 16};
    for (std::size_t n = 0; n < patterns.size(); ++n) {
        Lines column = Column(lines, n);
        std::string_view pattern = kBaroqueFingerings[static_cast<std::size_t>(patterns[n])];
        for (std::size_t hole = 0; hole < 8; ++hole) {
            char mark = pattern[hole] == 'C' ? '*' : pattern[hole] == 'P' ? '/' : ' ';
            EXPECT_EQ(column[holeRows[hole]], std::string(" {") + mark + "} ") << "chart " << n << " hole " << hole;
        }
    }
}

TEST_F(FingeringCharts, HalfCoveredAndOpenHolesHaveTheirMarks)
{
    recorder.SetDefaults("C 6 G 12 74");
    Lines lines = Draw();
    Lines highD = Column(lines, 15);  // pattern 26, "PCOCCOCO"
    EXPECT_EQ(highD[2], " {/} ");
    EXPECT_EQ(highD[6], " { } ");
    EXPECT_EQ(highD[16], " { } ");
}

TEST_F(FingeringCharts, ChromaticScaleContinuesInASecondBlock)
{
    ShowScale("C", "chromatic");
    recorder.SetDefaults("C 6 G 12 74");
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[0].size(), 19u * 5);
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19].size(), 8u * 5);
    EXPECT_EQ(lines[37], "");
    // The second block starts with pattern 19, the G of the upper octave.
    Lines first = Column(lines, 0, 19);
    EXPECT_EQ(first[0], "  G  ");
    EXPECT_EQ(first[2], " {/} ");
    EXPECT_EQ(first[10], " { } ");
    EXPECT_EQ(Column(lines, 7, 19)[0], "  D  ");
}

TEST_F(FingeringCharts, FRecorderStartsItsPatternsAtF)
{
    recorder.SetDefaults("F 5 G 0 74");
    Lines lines = Draw();
    EXPECT_EQ(Labels(lines, 0).substr(0, 18), "  F  |  G  |  A  |");
    EXPECT_EQ(Column(lines, 0)[16], " {*} ");  // pattern 0: all closed
    EXPECT_EQ(Column(lines, 1)[16], " { } ");  // pattern 2 for G
    EXPECT_EQ(Column(lines, 1)[14], " {*} ");
}

TEST_F(FingeringCharts, LabelsArePaddedToThreeCharactersUnlessLonger)
{
    ShowScale("Db", "major");
    recorder.SetDefaults("C 6 G 12 74");
    Lines lines = Draw();
    EXPECT_EQ(Labels(lines, 0).substr(0, 12), "  C  |  Db |");
    base.notation = 'r';
    lines = Draw();
    EXPECT_EQ(lines[0].substr(0, 5), " VII ");  // the leading tone of Db, whole
}

TEST_F(FingeringCharts, LineDrawingSeparators)
{
    base.charSet = 255;
    recorder.SetDefaults("C 6 G 12 74");
    EXPECT_EQ(Draw()[1].substr(0, 5), " \xC4\xC4\xC4 ");
}

TEST_F(FingeringCharts, SecondChordSetReadsTheUpperOctaveOfTheSpan)
{
    ShowChord("extended", "I9");
    recorder.SetDefaults("C 6 G 12 74");
    base.chordset = 'f';
    Lines lines = Draw();
    EXPECT_EQ(Labels(lines, 0), "  C  |  E  |  G  |  B  |  D  |  C  |");
    base.chordset = 's';
    lines = Draw();
    EXPECT_EQ(Labels(lines, 0), "  D  |  C  |  E  |  G  |  B  |  D  |");
}

TEST_F(FingeringCharts, UnknownTuningIsDrawnAsC)
{
    recorder.SetDefaults("H 6 G 12 74");
    EXPECT_EQ(Draw().size(), 19u);
    EXPECT_EQ(Column(Draw(), 0), kClosedC);
}

TEST_F(FingeringCharts, TwoOctaveChartsCountFromTheTonicsOctave)
{
    ASSERT_TRUE(model.SelectKey("G"));
    model.ComputeNotes();
    ShowChord("extended", "I9");
    recorder.SetDefaults("C 6 G 12 74");
    base.chordset = 'f';
    // The C lies five semitones below G: its charts start at span cell 5.
    EXPECT_EQ(Labels(Draw(), 0), "  D  |  F# |  A  |  G  |  B  |  D  |");
}
