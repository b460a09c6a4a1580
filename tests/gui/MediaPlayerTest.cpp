// Audio windows play through a player panel inside their view; its caption
// names the file, the position and the mode.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QMediaPlayer>
#include <QTemporaryDir>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/MediaPlayerPanel.h"
#include "platform/qt/QtFrameWindow.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

TEST(MediaPlayer, CaptionShowsNamePositionAndMode)
{
    EXPECT_EQ(PlayerCaption(QStringLiteral("tone.wav"), 65400, QStringLiteral("playing")),
              QStringLiteral("tone.wav - 1:05 - playing"));
    EXPECT_EQ(PlayerCaption(QStringLiteral("a.mp3"), 0, QStringLiteral("stopped")),
              QStringLiteral("a.mp3 - 0:00 - stopped"));
}

TEST(MediaPlayer, AnAudioFileOpensWithItsPlayerInsideTheView)
{
    GuiApp gui;
    const QTemporaryDir& home = gui.home;
    QString wav = home.filePath(QStringLiteral("tone.wav"));
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    ASSERT_TRUE(gui.Start());
    CReferenceApp* app = gui.app.get();

    // Every window says what it is when asked "What's this?".
    auto* model = dynamic_cast<QtFrameWindow*>(app->ActiveFrame()->Window());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->SubWindow()->widget()->whatsThis().startsWith(QStringLiteral("The model")));

    ASSERT_NE(app->OpenFileByType(wav.toStdString()), nullptr);
    QCoreApplication::processEvents();
    auto* window = dynamic_cast<QtFrameWindow*>(app->ActiveFrame()->Window());
    ASSERT_NE(window, nullptr);
    auto* area = qobject_cast<QAbstractScrollArea*>(window->SubWindow()->widget());
    ASSERT_NE(area, nullptr);
    auto* panel = area->viewport()->findChild<MediaPlayerPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->Caption().startsWith(QStringLiteral("tone.wav - 0:00 - "))) << panel->Caption().toStdString();
    EXPECT_FALSE(panel->isWindow());
    EXPECT_TRUE(area->whatsThis().startsWith(QStringLiteral("A sound file")));
    EXPECT_FALSE(window->SubWindow()->isWindowModified()) << "nothing in an audio window is ever saved";
}

// A MIDI file plays through the media back end's synthesizer.
TEST(MediaPlayer, AMidiFileLoadsWithoutError)
{
    const QString file = QStringLiteral("/usr/share/games/openttd/baseset/openmsx/5432gone_redfarn.mid");
    if (!QFile::exists(file))
        GTEST_SKIP() << "no MIDI file to play";
    MediaPlayerPanel panel(nullptr);
    panel.Open(file);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000 && panel.Player().mediaStatus() == QMediaPlayer::LoadingMedia)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(panel.Player().error(), QMediaPlayer::NoError) << panel.Player().errorString().toStdString();
    EXPECT_GT(panel.Player().duration(), 0);
    panel.close();
}

namespace {

// One second of silence, 8 kHz, 8-bit mono.
QByteArray SilentWave()
{
    const quint32 samples = 8000;
    QByteArray wave;
    auto put32 = [&wave](quint32 value) {
        for (int i = 0; i < 4; ++i)
            wave.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    auto put16 = [&wave](quint16 value) {
        wave.append(static_cast<char>(value & 0xFF));
        wave.append(static_cast<char>(value >> 8));
    };
    wave.append("RIFF");
    put32(36 + samples);
    wave.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wave.append("data");
    put32(samples);
    wave.append(QByteArray(samples, static_cast<char>(0x80)));
    return wave;
}

}  // namespace

TEST(MediaPlayer, TimesShowPositionAndLength)
{
    EXPECT_EQ(PlayerTimes(0, 0), QStringLiteral("0:00 / 0:00"));
    EXPECT_EQ(PlayerTimes(65400, 3723000), QStringLiteral("1:05 / 62:03"));
}

// The transport buttons drive the player as the Player popup does, the
// loop button shows the repetition however it was set, and without a
// sound device the panel says so instead of claiming to play.
TEST(MediaPlayer, TransportButtonsSeekBarAndTheMissingDevice)
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("silence.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SilentWave());
    file.close();
    QWidget view;
    view.resize(500, 300);
    MediaPlayerPanel panel(&view);
    panel.Open(path);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000 && panel.Player().duration() <= 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(panel.width(), 500) << "inside a view the panel spans it";
    EXPECT_EQ(panel.SeekBar().maximum(), 1000);
    EXPECT_EQ(panel.TimeLabel().text(), QStringLiteral("0:00 / 0:01"));

    panel.SetRepeat(true);
    EXPECT_TRUE(panel.LoopButton().isChecked());
    panel.LoopButton().click();
    EXPECT_EQ(panel.Player().loops(), QMediaPlayer::Once);
    panel.LoopButton().click();
    EXPECT_EQ(panel.Player().loops(), QMediaPlayer::Infinite);
    panel.StopButton().click();
    EXPECT_EQ(panel.Player().loops(), QMediaPlayer::Once) << "Stop ends the repetition, as the menu's Stop";
    EXPECT_FALSE(panel.LoopButton().isChecked());

    if (panel.HasAudioDevice()) {
        EXPECT_FALSE(panel.Caption().endsWith(QStringLiteral("no sound device")));
    } else {
        panel.PlayButton().click();
        QCoreApplication::processEvents();
        EXPECT_TRUE(panel.Caption().endsWith(QStringLiteral("no sound device"))) << panel.Caption().toStdString();
        EXPECT_FALSE(panel.findChildren<QLabel*>().isEmpty());
        bool said = false;
        for (QLabel* label : panel.findChildren<QLabel*>())
            said = said || (label->isVisibleTo(&panel) && label->text().startsWith(QStringLiteral("No sound device")));
        EXPECT_TRUE(said);
    }
}
