#include <string>

#include "AppFixture.h"
#include "framework/CommandIds.h"
#include "framework/Frame.h"
#include "platform/headless/HeadlessTextControl.h"
#include "text/FindReplace.h"
#include "text/GeneralDoc.h"
#include "text/GeneralView.h"

using GeneralDocTest = AppFixture;

namespace {

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\n";
    return text;
}

} // namespace

TEST_F(GeneralDocTest, FontPlacementAndCaretComeBackWhenTheFileIsOpenedAgain)
{
    ASSERT_TRUE(Start());
    auto path = WriteFile("notes.txt", Lines(100));
    ASSERT_NE(app->OpenFileByType(path.string()), nullptr);
    CFrame* frame = app->ActiveFrame();
    ITextControl* text = frame->Window()->TextControl();
    text->ScrollLines(12);
    text->SetSelection(40, 45);
    Answer(IDOK, {{"face", "DejaVu Sans Mono"}, {"height", "-17"}});
    app->RouteCommand(ID_VIEW_FONT);
    WindowPlacement placement = frame->Window()->GetPlacement();
    placement.normal = {30, 40, 500, 300};
    frame->Window()->SetPlacement(placement);
    app->RouteCommand(57602);  // File > Close

    ASSERT_NE(app->OpenFileByType(path.string()), nullptr);
    frame = app->ActiveFrame();
    auto* control = static_cast<HeadlessTextControl*>(frame->Window()->TextControl());
    int start = 0, end = 0;
    control->GetSelection(start, end);
    EXPECT_EQ(control->FirstVisibleLine(), 12);
    EXPECT_EQ(start, 40);
    EXPECT_EQ(end, 45);
    EXPECT_EQ(control->Font().faceName, "DejaVu Sans Mono");
    EXPECT_EQ(control->Font().height, -17);
    EXPECT_EQ(frame->Window()->GetPlacement().normal, (Rect{30, 40, 500, 300}));
}

TEST_F(GeneralDocTest, ASectionOfAnotherKindIsIgnored)
{
    auto path = WriteFile("other.txt", "text");
    ports->settings->WriteInt(path.string(), "Type", 1);
    ports->settings->WriteString(path.string(), "FontName", "Odd Face");
    ASSERT_TRUE(Start());
    app->OpenFileByType(path.string());
    auto* control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    EXPECT_NE(control->Font().faceName, "Odd Face");
}

TEST_F(GeneralDocTest, StateStringKeepsATwoWordFaceAndRejectsAStringWithoutItsTag)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    auto* doc = static_cast<CGeneralDoc*>(app->ActiveFrame()->Document());
    doc->font.faceName = "DejaVu Sans";
    std::string state = doc->FormatStateString();
    EXPECT_EQ(state.rfind("_Generic 0 ", 0), 0u);
    EXPECT_EQ(state.substr(state.size() - 15), " DejaVu Sans $ ");
    doc->font.faceName = "changed";
    ASSERT_TRUE(doc->ParseStateString(state));
    EXPECT_EQ(doc->font.faceName, "DejaVu Sans");
    EXPECT_EQ(doc->stateString, state);
    EXPECT_FALSE(doc->ParseStateString("_Generi 0 0 0"));
    EXPECT_FALSE(doc->ParseStateString("_Generic2 0"));
    EXPECT_TRUE(doc->stateString.empty());
}

TEST_F(GeneralDocTest, ScrollBarChoicesKeepTheOtherBar)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    auto* control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    app->RouteCommand(ID_SCROLL_NONE);
    app->RouteCommand(ID_SCROLL_VERTICAL);
    EXPECT_TRUE(control->VerticalScrollBar());
    EXPECT_FALSE(control->HorizontalScrollBar());
    app->RouteCommand(ID_SCROLL_BOTH);
    app->RouteCommand(ID_SCROLL_VERTICAL);
    EXPECT_TRUE(control->VerticalScrollBar());
    EXPECT_TRUE(control->HorizontalScrollBar());
}

TEST_F(GeneralDocTest, SavingWritesTheFileAndNamesTheSectionByItsPath)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    auto* control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    control->ReplaceSelection("C E G\r\n");
    auto target = home / "saved chord.txt";
    Answer(IDOK, {{"file", target.string()}});
    app->RouteCommand(57603);
    ASSERT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(std::filesystem::file_size(target), 7u);
    EXPECT_EQ(ports->settings->GetInt(target.string(), "Type", -1), 0);
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), "saved chord.txt");
}

TEST_F(GeneralDocTest, TheReadOnlyReportCanBeCopiedButNotChanged)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app->QueryCommand(57634).enabled);   // copy
    EXPECT_FALSE(app->QueryCommand(57635).enabled);  // cut
    EXPECT_FALSE(app->QueryCommand(57637).enabled);  // paste
    app->RouteCommand(57642);
    app->RouteCommand(57634);
    EXPECT_EQ(ports->clipboard.GetText().rfind("Tonic:   C", 0), 0u);
    app->RouteCommand(57600);
    EXPECT_TRUE(app->QueryCommand(57637).enabled);
}

TEST_F(GeneralDocTest, FindSelectsTheNextOccurrenceAndReplaceChangesEveryOne)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    auto* control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    control->ReplaceSelection("Bb major, Bb minor");
    control->SetSelection(0, 0);
    Answer(IDOK, {{"1152", "Bb"}});
    app->RouteCommand(57636);
    Answer(IDOK, {{"1152", "Bb"}});
    app->RouteCommand(57636);
    int start = 0, end = 0;
    control->GetSelection(start, end);
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 12);
    Answer(IDOK, {{"1153", "A#"}});
    app->RouteCommand(57640);
    EXPECT_EQ(control->GetText(), "A# major, A# minor");
    EXPECT_NE(TakeOutput().find("2 occurrences of \"Bb\" replaced."), std::string::npos);
}

TEST_F(GeneralDocTest, AfterASaveCloseAsksNothingAndAnsweringNoAtExitAsksOnce)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    auto* control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    control->ReplaceSelection("C E G");
    Answer(IDOK, {{"file", (home / "triad").string()}});
    app->RouteCommand(57604);
    EXPECT_TRUE(std::filesystem::exists(home / "triad.txt"));
    EXPECT_FALSE(control->IsModified());
    TakeOutput();
    app->RouteCommand(57602);  // Close
    EXPECT_EQ(TakeOutput(), "");

    app->RouteCommand(57600);
    control = static_cast<HeadlessTextControl*>(app->ActiveFrame()->Window()->TextControl());
    control->ReplaceSelection("unsaved");
    Answer(IDNO);
    app->RouteCommand(57665);  // Exit
    std::string output = TakeOutput();
    size_t first = output.find("Save changes");
    ASSERT_NE(first, std::string::npos) << output;
    EXPECT_EQ(output.find("Save changes", first + 1), std::string::npos) << output;
}

TEST_F(GeneralDocTest, OpeningAnOpenFileActivatesItsWindowAndTheRecentListSurvivesARestart)
{
    ASSERT_TRUE(Start());
    auto path = WriteFile("scales.txt", "C D E F G A B\n");
    app->OpenFileByType(path.string());
    app->RouteCommand(57600);  // another window comes to the front
    size_t frames = app->Frames().size();
    CDocument* again = app->OpenFileByType(path.string());
    EXPECT_EQ(app->Frames().size(), frames);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(app->ActiveFrame()->Document(), again);
    app->RouteCommand(32868);  // the tutorial, twice: one window
    app->RouteCommand(57666);
    int tutorials = 0;
    for (CFrame* frame : app->Frames())
        tutorials += frame->Document()->GetTitle() == "Tutorial";
    EXPECT_EQ(tutorials, 1);
    ASSERT_EQ(app->RecentFiles().Paths().size(), 1u);  // never the tutorial

    Restart();
    ASSERT_EQ(app->RecentFiles().Paths().size(), 1u);
    EXPECT_EQ(app->RecentFiles().Paths()[0], path.string());
    app->RouteCommand(57616);
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), "scales.txt");

    std::filesystem::remove(path);
    app->RouteCommand(57602);
    TakeOutput();
    app->RouteCommand(57616);
    EXPECT_NE(TakeOutput().find("no longer exists"), std::string::npos);
    EXPECT_TRUE(app->RecentFiles().Paths().empty());
}
