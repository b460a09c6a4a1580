#pragma once
// What a view widget passes on to its core view: keys as virtual-key
// codes, double clicks, size changes and the view's context menu. Once the
// frame is destroyed the link is cut and the widget goes quiet.
#include <QPoint>

class CView;
class CommandRouter;
class MenuRenderer;
class QKeyEvent;
class QWidget;

class ViewLink {
public:
    ViewLink(CView* view, MenuRenderer& menus) : view_(view), menus_(menus) {}

    void Detach() { view_ = nullptr; }
    CView* View() const { return view_; }
    // The path from widgets into the core, for what must run after the widget returned.
    CommandRouter& Router() const;

    void KeyPressed(const QKeyEvent& event);
    void KeyReleased(const QKeyEvent& event);
    void DoubleClicked();
    // At `contentPoint`: a drawn view's point, its scrolling included.
    void DoubleClickedAt(const QPoint& contentPoint);
    // A left click at a point of the view's drawing.
    void Clicked(int x, int y);
    void Resized(int cx, int cy);
    // Shows the view's popup at the pointer; false when the view has none.
    bool ShowContextMenu(QWidget* owner, const QPoint& globalPos);

private:
    CView* view_;
    MenuRenderer& menus_;
};
