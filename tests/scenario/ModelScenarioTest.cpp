#include "ScriptFixture.h"

using ModelScenarioTest = ScriptFixture;

TEST_F(ModelScenarioTest, ThreeKeysThenRestartKeepsHistoryAndModel)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 32774  # D\n"
        "cmd 32778  # F\n"
        "cmd 32786  # Bb\n"
        "exit\n"
        "start\n"
        "print history\n"
        "print report\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("  C major\n  D major\n  F major\n* Bb major\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Tonic:   Bb\nScale:   major\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Pattern:  Bb, , C, , D, Eb, , F, , G, , A, Bb\n"), std::string::npos) << result.out;
}

TEST_F(ModelScenarioTest, PreviousThenAKeyJumpsToTheNewestAndAddsOne)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 32774\n"
        "cmd 32778\n"
        "cmd 32864  # previous model\n"
        "print report\n"
        "cmd 32781  # G\n"
        "print history\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Tonic:   D\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("  C major\n  D major\n  F major\n* G major\n"), std::string::npos) << result.out;
}

TEST_F(ModelScenarioTest, NotationDialogAnsweredByControlIds)
{
    ScriptResult result = Run(
        "start\n"
        "answer ok 1048=Enumerated\n"
        "cmd 32859\n"
        "print report\n"
        "cmd 57603\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Pattern:  1, , 2, , 3, 4, , 5, , 6, , 7, C\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("message: Model profile saved.\n"), std::string::npos) << result.out;
}

TEST_F(ModelScenarioTest, ReportSubcommandAppliesKeyScaleChordAndNotation)
{
    std::ostringstream out, err;
    int status = RunCli({"report", "--key", "A", "--scale", "harmonic minor"}, out, err);
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_NE(out.str().find("Pattern:  A, , B, C, , D, , E, F, , , G#, A\n"), std::string::npos) << out.str();

    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({"report", "--scale", "no such scale"}, out2, err2), 2);
    EXPECT_NE(err2.str().find("no scale"), std::string::npos);
}

TEST_F(ModelScenarioTest, CatalogueListingsNameEveryRecord)
{
    std::ostringstream scales, chords, err;
    ASSERT_EQ(RunCli({"scales"}, scales, err), 0) << err.str();
    ASSERT_EQ(RunCli({"chords"}, chords, err), 0) << err.str();
    EXPECT_EQ(scales.str().rfind("0 0 1 major: 2 2 1 2 2 2 1\n", 0), 0u) << scales.str();
    EXPECT_NE(scales.str().find("2 1 1 natural minor: 2 1 2 2 1 2 2\n"), std::string::npos);
    EXPECT_NE(chords.str().find(" preset: "), std::string::npos);
    EXPECT_NE(chords.str().find(" interval: "), std::string::npos);
}

TEST_F(ModelScenarioTest, ReportChordByRecordNumberOrByName)
{
    auto chordLine = [this](std::vector<std::string> args) {
        std::ostringstream out, err;
        args.insert(args.begin(), "report");
        int status = RunCli(args, out, err);
        std::string text = out.str();
        std::size_t start = text.find("Chord:");
        return std::to_string(status) + " " +
               (start == std::string::npos ? err.str() : text.substr(start, text.find('\n', start) - start));
    };
    EXPECT_EQ(chordLine({"--chord", "#32"}), "0 Chord:   1,3 maj, 5 per, 7 min 7");
    EXPECT_EQ(chordLine({"--chord", "2"}), "0 Chord:   1-3-5 I");
    EXPECT_EQ(chordLine({"--chord-name", "7"}), "0 Chord:   1,3 maj, 5 per, 7 min 7");
    EXPECT_EQ(chordLine({"--chord", "V7b9-hm"}), "0 Chord:   5-7-9-11-13 (; harmonic minor) V7b9-hm");
    EXPECT_EQ(chordLine({"--chord", "#1"}), "2 morvix-cli report: no chord #1\n");  // a group line
    EXPECT_EQ(chordLine({"--chord-name", "group"}), "2 morvix-cli report: no chord group\n");
    EXPECT_EQ(chordLine({"--chord", "#x"}), "2 morvix-cli report: no chord #x\n");
    EXPECT_EQ(chordLine({"--chord", "2", "--chord-name", "7"}).substr(0, 67),
              "2 morvix-cli report: --chord and --chord-name cannot both be given\n");
}

TEST_F(ModelScenarioTest, ChoosingAScaleAfterAPresetChordClearsTheChord)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2317  # Chord > preset > V7-hm (record 77)\n"
        "print report\n"
        "cmd 2112  # Scale > major (record 0)\n"
        "print report\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Scale:   harmonic minor\nChord:   5-7-9-11 (; harmonic minor) V7-hm\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Scale:   major\nChord:   \n"), std::string::npos) << result.out;
}
