#pragma once
// A frame's window: an MDI child holding a text editor or a drawn canvas.
#include <QPointer>
#include <QRect>

#include "framework/Windows.h"

class ActivationGuard;
class CommandRouter;
class DrawingCanvas;
class FrameSubWindow;
class ImageStore;
class MenuRenderer;
class QAbstractScrollArea;
class QMdiArea;
class TextEditor;

struct FrameWindowContext {
    QMdiArea& area;
    CommandRouter& router;
    MenuRenderer& menus;
    ImageStore& images;
    ActivationGuard& guard;
};

class QtFrameWindow : public IFrameWindow {
public:
    QtFrameWindow(CFrame& frame, ViewKind kind, FrameWindowContext context);
    ~QtFrameWindow() override;

    void Show(int showCmd) override;
    void Activate() override;
    void Destroy() override;
    void SetCaption(const std::string& caption) override;
    void SetMenu(MenuPtr menu) override { menu_ = std::move(menu); }
    WindowPlacement GetPlacement() const override;
    void SetPlacement(const WindowPlacement& placement) override;
    bool IsVisible() const override;
    ITextControl* TextControl() override;
    void SetScrollSizes(Size total, Size line) override;
    void ScrollTo(int x, int y) override;
    void GetScrollPosition(int& x, int& y) const override;
    Size ClientSize() const override;
    void ShowScrollBars(bool vertical, bool horizontal) override;
    void Invalidate() override;
    void FitClient(Size client) override;
    void SetAccelerators(const AcceleratorTable& table) override;

    FrameSubWindow* SubWindow() const { return sub_; }

private:
    QAbstractScrollArea* Content() const;
    // The MDI area's visible size, empty while it is not shown.
    QSize AreaSize() const;
    QRect PlaceAmongOthers(QRect geometry) const;
    void ApplyState(int showCmd);

    FrameWindowContext context_;
    QPointer<FrameSubWindow> sub_;
    QPointer<TextEditor> text_;
    QPointer<DrawingCanvas> canvas_;
    MenuPtr menu_;
    int pendingShowCmd_ = SW_SHOW;  // a placement's state, kept until first shown
};
