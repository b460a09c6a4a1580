#include "ScriptFixture.h"

class IdentifyCliTest : public ScriptFixture {
protected:
    static ScriptResult Identify(const std::vector<std::string>& notes)
    {
        std::vector<std::string> args{"identify"};
        args.insert(args.end(), notes.begin(), notes.end());
        return Cli(args);
    }
};

TEST_F(IdentifyCliTest, ListsChordsThenScalesOneTabSeparatedLineEach)
{
    ScriptResult result = Identify({"C", "e4", "G"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind("chord\tC\tmajor\tmaj\nchord\tC\tmajor\tI\n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\nchord\tG\tmajor\tIV\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nscale\tC\tmajor pentatonic\t-\n"), std::string::npos);
    std::size_t lastChord = result.out.rfind("chord\t");
    std::size_t firstScale = result.out.find("scale\t");
    EXPECT_LT(lastChord, firstScale);
    EXPECT_TRUE(result.out.ends_with("\tchromatic\t-\n"));
}

TEST_F(IdentifyCliTest, SpelledIntervalsNameTheirChords)
{
    // A chord that takes nothing from the scale comes in the first scale holding it.
    EXPECT_NE(Identify({"C", "Eb"}).out.find("chord\tC\tnatural minor\tm3\n"), std::string::npos);
    ScriptResult tritone = Identify({"F", "Cb"});
    EXPECT_NE(tritone.out.find("chord\tF\thungarian minor\tA4\n"), std::string::npos) << tritone.out;
    EXPECT_NE(tritone.out.find("chord\tF\thungarian minor\td5\n"), std::string::npos) << tritone.out;
}

// The first note is the root a musician hears, and typed names are kept.
TEST_F(IdentifyCliTest, TheFirstNoteAndTheNamesTypedChooseTheFirstAnswer)
{
    EXPECT_EQ(Identify({"C", "Eb", "G", "Bb"}).out.rfind("chord\tC\tnatural minor\tmin7\n", 0), 0u);
    EXPECT_EQ(Identify({"Eb", "G", "Bb", "C"}).out.rfind("chord\tEb\tmajor\t6\n", 0), 0u);
    EXPECT_EQ(Identify({"E", "G", "C"}).out.rfind("chord\tC\tmajor\tmaj\n", 0), 0u);
    EXPECT_EQ(Identify({"A#", "C##", "E#", "G#"}).out.rfind("chord\tA#\tmixolydian mode\t7\n", 0), 0u);
    EXPECT_EQ(Identify({"bb", "d", "f", "ab"}).out.rfind("chord\tBb\tmixolydian mode\t7\n", 0), 0u);
}

TEST_F(IdentifyCliTest, AnUnknownNameOrNoNameIsAUsageError)
{
    ScriptResult unknown = Identify({"C", "H", "E"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("\"H\""), std::string::npos) << unknown.err;

    ScriptResult none = Identify({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("usage: morvix-cli identify NOTE..."), std::string::npos) << none.err;
}
