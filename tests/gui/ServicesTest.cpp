// The pacer keeps the program responsive while it waits, and stops waiting
// once the application is ending.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

#include "platform/qt/DesktopServices.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtPorts.h"

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

// A MidiOut value that names no output does not play in silence: Play
// says what was wrong.
TEST(QtPortsMidiOut, AnUnknownChoiceNeverOpensAndSaysWhy)
{
    ::setenv("MORVIX_MIDI_OUT", "nowhere", 1);
    QTemporaryDir home;
    QtPorts ports(home.path().toStdString());
    ::unsetenv("MORVIX_MIDI_OUT");
    IMidiOut& output = *ports.Get().midiOut;
    EXPECT_FALSE(output.Open());
    EXPECT_NE(output.Tried().find("unknown MIDI output \"nowhere\""), std::string::npos) << output.Tried();
}
