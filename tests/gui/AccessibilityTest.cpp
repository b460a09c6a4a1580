// What a screen reader finds in the real widgets: the report as text, an
// instrument as a picture with a summary and text lines, the MIDI listing
// as a list of lines; and that it hears when an instrument changes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "../unit/midi/SmfBuilder.h"
#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "framework/View.h"
#include "harmony/ModelDoc.h"
#include "midi/MidiDoc.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/QtPorts.h"
#include "platform/qt/TextEditor.h"
#include "GuiApp.h"

namespace {

constexpr int kMajorChord = 11;  // "maj" in the shipped chord catalogue
constexpr int kMinorChord = 12;  // "min"

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gui.Start());
        ports = gui.ports.get();
        app = gui.app.get();
        QAccessible::setActive(true);
        model = app->Models().Primary();
        ASSERT_NE(model, nullptr);
    }

    template <typename Widget>
    Widget* WidgetOf(const CDocument* doc) const
    {
        for (QMdiSubWindow* sub : ports->Windows().Widget().Area().subWindowList()) {
            auto* widget = qobject_cast<Widget*>(sub->widget());
            if (widget && widget->Link().View() && widget->Link().View()->GetDocument() == doc)
                return widget;
        }
        return nullptr;
    }

    static QString WholeText(QAccessibleInterface* iface)
    {
        QAccessibleTextInterface* text = iface->textInterface();
        return text ? text->text(0, text->characterCount()) : QString();
    }

    GuiApp gui;
    QtPorts* ports = nullptr;
    CReferenceApp* app = nullptr;
    CModelDoc* model = nullptr;
};

} // namespace

TEST_F(AccessibilityTest, TheReportIsTextNamedByItsWindowWithTheModelAsDescription)
{
    model->SelectKey("G");
    model->SelectChord(kMajorChord);
    QApplication::processEvents();
    auto* editor = WidgetOf<TextEditor>(model);
    ASSERT_NE(editor, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "Model");
    EXPECT_EQ(iface->text(QAccessible::Description), "G major, chord G maj");
    EXPECT_TRUE(WholeText(iface).contains("Tonic:   G\n")) << WholeText(iface).toStdString();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(editor->parentWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), "Model");
}

TEST_F(AccessibilityTest, AnInstrumentIsAPictureWithItsSummaryAndTextLines)
{
    model->SelectKey("G");
    model->SelectChord(kMajorChord);
    CDocument* guitar = model->AddInstrument(app->Instruments().FindInstrument("Guitar"));
    QApplication::processEvents();
    auto* canvas = WidgetOf<DrawingCanvas>(guitar);
    ASSERT_NE(canvas, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(canvas);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Graphic);
    EXPECT_EQ(iface->text(QAccessible::Name), "Guitar");
    EXPECT_TRUE(iface->text(QAccessible::Description)
                    .startsWith("Guitar, G major, chord G maj: string 6 frets 3, 7, 10, 15, 19, 22; string 5 frets 2, "))
        << iface->text(QAccessible::Description).toStdString();
    QString text = WholeText(iface);
    QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 8) << text.toStdString();  // six strings, a blank line, the fret numbers
    // The first string, nut on the left: open, two empty frets, then G at the third.
    EXPECT_TRUE(lines.front().startsWith(QString::fromUtf8("  \u253c \u253c\u2500\u2500\u2500\u2500\u253c\u2500\u2500\u2500\u2500\u253c\u2500\u2500G\u2500\u253c")))
        << lines.front().toStdString();
    EXPECT_TRUE(lines.back().startsWith("   0    1    2")) << lines.back().toStdString();

    // The same reading line by line, as a reader walks the text.
    int start = -1, end = -1;
    QString first = iface->textInterface()->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(first.trimmed(), lines.front().trimmed());
}

TEST_F(AccessibilityTest, AnotherChordChangesWhatTheInstrumentSaysAndIsAnnounced)
{
    model->SelectKey("G");
    model->SelectChord(kMajorChord);
    CDocument* guitar = model->AddInstrument(app->Instruments().FindInstrument("Guitar"));
    QApplication::processEvents();
    auto* canvas = WidgetOf<DrawingCanvas>(guitar);
    ASSERT_NE(canvas, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(canvas);
    QString majorText = WholeText(iface);
    QString majorSummary = iface->text(QAccessible::Description);

    // Without a platform bridge Qt drops the events themselves; the canvas
    // says when it sent them.
    int announced = 0;
    QObject::connect(canvas, &DrawingCanvas::ContentAnnounced, [&announced] { ++announced; });
    model->SelectChord(kMinorChord);
    QApplication::processEvents();
    EXPECT_EQ(announced, 1);

    EXPECT_TRUE(iface->text(QAccessible::Description).startsWith("Guitar, G major, chord G min: string 6 frets 3, 6, 10"))
        << iface->text(QAccessible::Description).toStdString();
    EXPECT_NE(WholeText(iface), majorText);
    EXPECT_NE(majorSummary, iface->text(QAccessible::Description));

    // A repaint that changes nothing is not announced.
    canvas->ContentMayHaveChanged();
    QApplication::processEvents();
    EXPECT_EQ(announced, 1);
}

TEST_F(AccessibilityTest, TheMidiListingIsAListWithOneItemPerLine)
{
    TrackBody track;
    track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).Meta(0, 0x2F, {});
    Bytes bytes = Smf(0, 96, {track});
    QString path = gui.home.filePath("song.mid");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    // Opening tells what the reading merged in a message box; it is dismissed.
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    dismiss.start(10);
    auto* midi = dynamic_cast<CMidiDoc*>(
        app->Template(kMidiTemplate)->OpenDocumentFile(path.toStdString(), true));
    dismiss.stop();
    ASSERT_NE(midi, nullptr);
    QApplication::processEvents();
    auto* canvas = WidgetOf<DrawingCanvas>(midi);
    ASSERT_NE(canvas, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(canvas);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::List);
    EXPECT_EQ(iface->text(QAccessible::Name), "song.mid");
    ASSERT_EQ(iface->childCount(), static_cast<int>(midi->Listing().size()));
    ASSERT_GT(iface->childCount(), 2);
    int last = iface->childCount() - 1;
    QAccessibleInterface* item = iface->child(last);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name).toStdString(), std::string(midi->Listing()[static_cast<std::size_t>(last)]));
    EXPECT_EQ(item->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(item), last);
    EXPECT_EQ(iface->child(last), item);  // the same item, not a new one each time
    EXPECT_EQ(iface->child(iface->childCount()), nullptr);
}
