// The timing thread's reports reach the application's thread through the
// event loop, and the desktop's clipboard and launcher.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <thread>

#include "platform/midiout/SenderThread.h"
#include "platform/midiout/SteadyClock.h"
#include "platform/qt/DesktopServices.h"
#include "platform/qt/QtPorts.h"
#include "platform/qt/QtPosting.h"

TEST(QtPosting, TheTimingThreadsReportsArriveOnTheApplicationsThreadWhileItsEventLoopRuns)
{
    QObject receiver;
    SteadyClock clock;
    SenderThread sender(clock, PostTo(receiver));
    QEventLoop loop;
    std::thread::id reportedOn;
    const int producer = sender.AddProducer({}, [&](std::uint64_t handled) {
        reportedOn = std::this_thread::get_id();
        if (handled == 2)
            loop.quit();
    });
    const TimedMessage messages[] = {{static_cast<double>(clock.NowMs()), 0, false},
                                     {static_cast<double>(clock.NowMs() + 20), 0, false}};
    sender.Schedule(producer, messages);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(reportedOn, std::this_thread::get_id());
    EXPECT_EQ(sender.Cancel(producer), 2u);
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
