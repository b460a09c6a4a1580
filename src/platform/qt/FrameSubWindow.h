#pragma once
// The MDI child window of a frame. Its close box asks the core, which
// decides whether the window goes; it also remembers the geometry it had
// in the normal state, which Qt keeps to itself for child windows.
#include <QMdiSubWindow>

class CFrame;
class CommandRouter;

class FrameSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    FrameSubWindow(CFrame* frame, CommandRouter& router);

    CFrame* Frame() const { return frame_; }
    void Detach() { frame_ = nullptr; }
    QRect NormalGeometry() const { return normal_; }
    void SetNormalGeometry(const QRect& geometry);
    // A window in the normal state moves and shrinks to lie wholly inside
    // its MDI area; its view scrolls instead.
    void KeepInsideArea();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RememberNormal();

    CFrame* frame_;
    CommandRouter& router_;
    QRect normal_;
};
