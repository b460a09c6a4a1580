#include "ScriptFixture.h"

using IdentifyScenarioTest = ScriptFixture;

namespace {

// The headless text font is 12 pixels high: the first result line starts
// below the keyboard, the notes line and the heading.
constexpr const char* kFirstResultRow = "20 120";

} // namespace

TEST_F(IdentifyScenarioTest, KeysClicksAndTypedNamesEnterNotesAndADoubleClickSetsTheModel)
{
    ScriptResult result = Run(std::string("start\n"
                                          "cmd 32910\n"
                                          "key down Z\nkey up Z\n"        // C
                                          "key down C\nkey down C\n"      // E, held
                                          "click 120 60\n"                // the G key, below the black keys
                                          "print identify\n"
                                          "cmd 32912\n"
                                          "print identify\n"
                                          "answer ok \"1001=d, F4 a\"\n"
                                          "cmd 32911\n"
                                          "doubleclick ") +
                              kFirstResultRow +
                              "\n"
                              "print identify\n"
                              "activate Model\n"
                              "print report\n"
                              "print history\n");
    ASSERT_EQ(result.status, 0) << result.err << result.out;
    EXPECT_EQ(result.out.rfind("Notes:  C E G\n       Key  Scale", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("Chord\n  chord  C    major                               maj\n"
                              "  chord  C    major                               I\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("Notes:  (none)\n       Key  Scale  Chord\nNotes:  D F A\n"), std::string::npos)
        << result.out;
    // The first answer, D minor, goes to the model.
    EXPECT_NE(result.out.find("\n* chord  D    natural minor                       min\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Tonic:   D\nScale:   natural minor\nChord:   1,3 min, 5 per min\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nNotes:  D F A\n\nInstruments:\n"), std::string::npos);
    EXPECT_TRUE(result.out.ends_with("  C major\n* D natural minor; 1,3 min, 5 per min\n")) << result.out;
}

TEST_F(IdentifyScenarioTest, AnUnknownTypedNameIsReportedAndChangesNothing)
{
    ScriptResult result = Run("start\n"
                              "cmd 32910\n"
                              "key down Z\n"
                              "answer ok \"1001=C H\"\n"
                              "cmd 32911\n"
                              "print identify\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("message: \"H\" is not a note name.\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Notes:  C\n"), std::string::npos) << result.out;
}

TEST_F(IdentifyScenarioTest, TheKeyMenuOffersIdentifyAndEnterShowsTheSelection)
{
    ScriptResult result = Run("start\n"
                              "print menu\n"
                              "cmd 32910\n"
                              "cmd 32913\n"
                              "key down X\nkey down N\n"   // D, A
                              "key down 40\nkey down 40\nkey down 38\nkey down 13\n"
                              "print identify\n"
                              "activate Model\n"
                              "print report\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("  &B (32787)\n  -\n  &Identify... (32910)\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("disabled: 32913\n"), std::string::npos) << result.out;
    std::size_t marked = result.out.find("\n* ");
    ASSERT_NE(marked, std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("\n* ", marked + 1), std::string::npos);
}

TEST_F(IdentifyScenarioTest, AMidiKeyboardEntersNotesAndAScreenReaderReadsTheResults)
{
    ScriptResult result = Run("start\n"
                              "cmd 32910\n"
                              "midiin on 62\nmidiin off 62\n"  // a released note stays entered
                              "midiin on 77\nmidiin on 69 0\n"  // velocity 0 is a release
                              "midiin on 81\n"
                              "print accessible\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("role: list\nname: Identify\nsummary: Notes D F A: "), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(" chords, "), std::string::npos);
    EXPECT_NE(result.out.find("\nNotes:  D F A\n       Key  Scale"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\n  chord  C    major                               II\n"), std::string::npos);
}
