// The pacer keeps the program responsive while it waits, and stops waiting
// once the application is ending.
#include <gtest/gtest.h>

#include <QTimer>

#include "platform/qt/DesktopServices.h"
#include "platform/qt/QtClock.h"

TEST(QtClock, PauseWaitsWhileEventsAreHandled)
{
    QtClock clock;
    bool handled = false;
    QTimer::singleShot(10, [&handled] { handled = true; });
    std::int64_t start = clock.NowMs();
    clock.PauseFor(60);
    std::int64_t waited = clock.NowMs() - start;
    EXPECT_TRUE(handled);
    EXPECT_GE(waited, 55);
    EXPECT_LT(waited, 1000);
}

TEST(QtClock, PausesReturnAtOnceOnceStopped)
{
    QtClock clock;
    clock.Stop();
    std::int64_t start = clock.NowMs();
    clock.PauseFor(5000);
    EXPECT_LT(clock.NowMs() - start, 100);
}

TEST(QtClipboard, PlainTextRoundTrip)
{
    QtClipboard clipboard;
    clipboard.SetText("\xE2\x94\x80 C major");
    EXPECT_EQ(clipboard.GetText(), "\xE2\x94\x80 C major");
}
