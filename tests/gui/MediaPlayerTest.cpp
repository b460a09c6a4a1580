// Audio windows play through a player panel inside their view; its caption
// names the file, the position and the mode.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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
