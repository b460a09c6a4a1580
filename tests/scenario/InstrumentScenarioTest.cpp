#include "ScriptFixture.h"

namespace {

class InstrumentScenarioTest : public ScriptFixture {
protected:
    std::string Draw(const std::vector<std::string>& args) const
    {
        std::ostringstream out, err;
        std::vector<std::string> full = {"draw"};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(RunCli(full, out, err), 0) << err.str();
        return out.str();
    }
};

} // namespace

TEST_F(InstrumentScenarioTest, AnOpenedGuitarPrintsItsLinesAsDrawDoes)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 32781   # key G\n"
        "cmd 2370    # Instrument > Guitar (entry 2)\n"
        "answer ok 1020=5 1028=1 1027=0 1031=1 1032=0\n"
        "cmd 32852   # Details: 5 frets, left-handed, normal perspective\n"
        "print lines\n"
        "answer ok face=Courier\n"
        "cmd 32850   # Font: one without line-drawing glyphs\n"
        "print lines\n");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string boxes = Draw({"Guitar", "--key", "G", "--set", "fretCount=5", "--set", "handedness=l", "--set",
                              "perspective=n"});
    std::string ascii = Draw({"Guitar", "--key", "G", "--ascii", "--set", "fretCount=5", "--set", "handedness=l",
                              "--set", "perspective=n"});
    EXPECT_EQ(result.out, boxes + ascii);
}

TEST_F(InstrumentScenarioTest, InstrumentWindowsShareTheModelsMenusAndReport)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2370    # Guitar\n"
        "activate Model\n"
        "cmd 2447    # Soprano-Recorder (entry 79)\n"
        "cmd 32778   # key F, from the recorder's window\n"
        "print menu\n"
        "cmd 2496    # Frame > Guitar\n"
        "print windows\n"
        "close\n"
        "activate Model\n"
        "print report\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("&Edit\n  &Copy All\\tCtrl+C (57634)\n  &Vignette\\tCtrl+W (32895)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("F&rame\n  Guitar (2496)\n  Soprano-Recorder (2497)\n&Window\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  &F (32778) checked\n"), std::string::npos) << out;
    EXPECT_NE(out.find("&Instrument\n  stringed\n    Guitars\n      Guitar (2370)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  &Details... (32852)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("2 2001 Guitar\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Tonic:   F\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Instruments:\n  Soprano-Recorder\n"), std::string::npos) << out;
}

TEST_F(InstrumentScenarioTest, EntriesThatNameNoInstrumentOpenNothing)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2368    # the \"group stringed\" line\n"
        "cmd 2420    # the \"group keyboard\" line\n"
        "print windows\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("message: This entry of the instrument catalogue names no instrument that can be opened."),
              std::string::npos)
        << result.out;
    EXPECT_TRUE(result.out.ends_with("\n1 2000 Model\n")) << result.out;
}

// Print and Print Preview are offered in instrument windows: a text view
// hands over its lines in the instrument's font, a graph view its drawing.
TEST_F(InstrumentScenarioTest, InstrumentWindowsPrintTheirLinesOrTheirDrawing)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2370    # Guitar\n"
        "cmd 57607   # Print\n"
        "activate Model\n"
        "cmd 2443    # Grand-Staff, in the graph view\n"
        "cmd 57609   # Print Preview\n"
        "cmd 205     # the keyboard input window\n"
        "cmd 57607   # Print\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "print: Guitar (9 lines, Morvix LineDraw Light)\n"
                          "preview: Grand-Staff (drawing 1016x456)\n"
                          "print: Keyboard Input (drawing 673x152)\n");
}
