#include <gtest/gtest.h>

#include "framework/CommandIds.h"
#include "platform/headless/FixedFonts.h"
#include "platform/headless/HeadlessFrameWindow.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/VirtualClock.h"

TEST(HeadlessTextControlTest, EditCommandsWorkOnTheSelectionThroughTheClipboard)
{
    MemoryClipboard clipboard;
    HeadlessTextControl text(clipboard);
    text.SetText("one two three");
    text.SetSelection(4, 7);
    text.EditCommand(ID_EDIT_CUT);
    EXPECT_EQ(clipboard.GetText(), "two");
    EXPECT_EQ(text.GetText(), "one  three");
    EXPECT_TRUE(text.IsModified());

    text.EditCommand(ID_EDIT_SELECT_ALL);
    text.EditCommand(ID_EDIT_PASTE);
    EXPECT_EQ(text.GetText(), "two");

    text.SetReadOnly(true);
    text.EditCommand(ID_EDIT_SELECT_ALL);
    text.EditCommand(ID_EDIT_CLEAR);
    text.EditCommand(ID_EDIT_COPY);
    EXPECT_EQ(text.GetText(), "two");
    EXPECT_EQ(clipboard.GetText(), "two");
}

TEST(HeadlessTextControlTest, SelectionAndScrollingStayInsideTheText)
{
    MemoryClipboard clipboard;
    HeadlessTextControl text(clipboard);
    text.SetText("a\r\nb\r\nc");
    text.SetSelection(5, 100);
    int start = 0, end = 0;
    text.GetSelection(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 7);
    text.ScrollLines(10);
    EXPECT_EQ(text.FirstVisibleLine(), 2);
    text.ScrollLines(-10);
    EXPECT_EQ(text.FirstVisibleLine(), 0);
}

TEST(HeadlessFrameWindowTest, ScrollingStopsAtTheEndOfTheDrawing)
{
    MemoryClipboard clipboard;
    HeadlessFrameWindow window(ViewKind::Drawn, clipboard);
    EXPECT_EQ(window.TextControl(), nullptr);
    window.SetScrollSizes({1000, 600}, {8, 16});
    window.ScrollTo(900, -5);
    int x = 0, y = 0;
    window.GetScrollPosition(x, y);
    EXPECT_EQ(x, 1000 - HeadlessFrameWindow::kDefaultClient.cx);
    EXPECT_EQ(y, 0);
    window.FitClient({1000, 600});
    window.GetScrollPosition(x, y);
    EXPECT_EQ(x, 0);
}

TEST(FixedFontsTest, CharacterSetsFollowTheFace)
{
    FixedFonts fonts;
    LogFont font;
    font.faceName = "Morvix LineDraw Heavy";
    font.height = -14;
    FontMetrics metrics = fonts.Measure(font);
    EXPECT_EQ(metrics.charSet, 2);
    EXPECT_EQ(metrics.height, 14);
    EXPECT_EQ(fonts.Measure(fonts.FixedOemFont()).charSet, 255);
    EXPECT_EQ(fonts.Measure(fonts.SystemFont()).charSet, 0);
}

TEST(VirtualClockTest, MessagesGoOnTheirMillisecondAsTimePassesAndTheirProducerHearsAtOnce)
{
    VirtualClock clock;
    std::vector<std::pair<std::int64_t, std::uint32_t>> sent;
    std::vector<std::pair<std::int64_t, std::uint64_t>> heard;
    int producer = 0;
    producer = clock.AddProducer([&](std::uint32_t message) { sent.emplace_back(clock.NowMs(), message); },
                                 [&](std::uint64_t handled) {
                                     heard.emplace_back(clock.NowMs(), handled);
                                     if (handled == 1) {
                                         const TimedMessage more[] = {{100.4, 3}};
                                         clock.Schedule(producer, more);
                                     }
                                 });
    const TimedMessage messages[] = {{0, 1}, {49.5, 2}};
    clock.Schedule(producer, messages);
    EXPECT_TRUE(sent.empty()) << "nothing goes until time is let pass";
    clock.RunDue();
    EXPECT_EQ(sent.size(), 1u);
    clock.Advance(40);
    EXPECT_EQ(clock.NextDueMs(), 50);
    clock.Advance(100);
    EXPECT_EQ(clock.NowMs(), 140);
    EXPECT_EQ(sent, (std::vector<std::pair<std::int64_t, std::uint32_t>>{{0, 1}, {50, 2}, {100, 3}}));
    EXPECT_EQ(heard, (std::vector<std::pair<std::int64_t, std::uint64_t>>{{0, 1}, {50, 2}, {100, 3}}));
    EXPECT_TRUE(clock.Idle());
}

TEST(VirtualClockTest, RunningUntilIdleStopsAtALimit)
{
    VirtualClock clock;
    int producer = 0;
    producer = clock.AddProducer({}, [&](std::uint64_t) {
        const TimedMessage next[] = {{static_cast<double>(clock.NowMs() + 1000), 0, false}};
        clock.Schedule(producer, next);
    });
    const TimedMessage first[] = {{0, 0, false}};
    clock.Schedule(producer, first);
    EXPECT_FALSE(clock.RunUntilIdle(10000)) << "a producer that never ends";
    EXPECT_EQ(clock.NowMs(), 10000);
}
