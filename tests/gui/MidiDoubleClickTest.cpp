// A double click on a MIDI window's listing, sent to the canvas as the
// mouse sends it, plays the file from the bar of the line under the pointer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../unit/midi/SmfBuilder.h"
#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "midi/MidiDoc.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiView.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

// Division 96 at 50000 microseconds a quarter note: a 4/4 bar lasts 200 ms.
// One note at the start of each of four bars; listing line 4 + i shows
// record i, so line 11 is the note of bar 4.
Bytes FastBars()
{
    TrackBody track;
    track.Meta(0, 0x51, {0x00, 0xC3, 0x50});
    for (std::uint8_t bar = 0; bar < 4; ++bar)
        track.Event(bar == 0 ? 0 : 192, {0x90, static_cast<std::uint8_t>(60 + bar), 100})
            .Event(192, {0x80, static_cast<std::uint8_t>(60 + bar), 0});
    return Smf(0, 96, {track.End()});
}

DrawingCanvas* CanvasOf(QtPorts& ports, CView* view)
{
    for (QMdiSubWindow* sub : ports.Windows().Widget().Area().subWindowList())
        if (auto* drawn = qobject_cast<DrawingCanvas*>(sub->widget()); drawn && drawn->Link().View() == view)
            return drawn;
    return nullptr;
}

std::string ReadAll(const QString& path)
{
    std::ifstream in(path.toStdString());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(MidiDoubleClick, TheLineUnderThePointerPlaysFromItsBar)
{
    GuiApp gui;
    const QTemporaryDir& home = gui.home;
    const QString played = QDir(home.path()).filePath(QStringLiteral("played.txt"));
    ::setenv("MORVIX_MIDI_OUT", ("record:" + played.toStdString()).c_str(), 1);
    const std::string path = QDir(home.path()).filePath(QStringLiteral("bars.mid")).toStdString();
    const Bytes bytes = FastBars();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    // Loading tells how many events it merged; any box is answered at once.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(20);

    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();
    auto* doc = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
    ASSERT_NE(doc, nullptr);
    QApplication::processEvents();
    DrawingCanvas* canvas = CanvasOf(ports, doc->FirstView());
    ASSERT_NE(canvas, nullptr);
    canvas->resize(500, 80);
    QApplication::processEvents();

    // Scrolled down six lines, line 11 lies five lines below the top.
    const int scroll = 6 * CMidiView::kLineHeight;
    canvas->ScrollTo(0, scroll);
    const QPointF at(40, CMidiView::kMargin + 11 * CMidiView::kLineHeight + 5 - scroll);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, canvas->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas->viewport(), &click);
    QApplication::processEvents();
    // The timing thread plays; the application's thread follows until the end.
    QElapsedTimer patience;
    patience.start();
    while (app->Player().Playing() && patience.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_FALSE(app->Player().Playing());

    // Play list: merge start, tempo, note 60, measure head, off 60, bar 2's
    // line, 61 on and off, bar 3's line, 62 on and off, bar 4's line at 11.
    ASSERT_TRUE(doc->Playback().queuePosition);
    EXPECT_EQ(*doc->Playback().queuePosition, 11u);
    const std::string sent = ReadAll(played);
    for (const char* earlier : {"643C90", "643D90", "643E90"})
        EXPECT_EQ(sent.find(earlier), std::string::npos) << sent;
    EXPECT_NE(sent.find("643F90"), std::string::npos) << sent;

    answer.stop();
    ::unsetenv("MORVIX_MIDI_OUT");
}
