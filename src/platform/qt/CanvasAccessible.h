#pragma once
// How a screen reader sees a drawn view: an instrument as a picture whose
// name is the window's title, whose description is the view's summary and
// whose text is its text form; the MIDI listing as a list with one item per
// line. The factory hands these out for every DrawingCanvas.
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class DrawingCanvas;

class CanvasAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CanvasAccessible(DrawingCanvas* canvas);
    ~CanvasAccessible() override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // The text interface: the view's lines, read-only, with no caret.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    DrawingCanvas* Canvas() const;
    bool IsList() const;

private:
    mutable QHash<int, QAccessible::Id> items_;
};

// Gives a DrawingCanvas its interface; every other object is left to Qt.
QAccessibleInterface* CanvasAccessibleFactory(const QString& className, QObject* object);
// Installs the factory once for the process.
void InstallCanvasAccessibility();
