#include "platform/headless/HeadlessFrameWindow.h"

#include <algorithm>

HeadlessFrameWindow::HeadlessFrameWindow(ViewKind kind, IClipboard& clipboard)
{
    if (kind == ViewKind::Text)
        text_ = std::make_unique<HeadlessTextControl>(clipboard);
}

// As on the desktop, SW_SHOW brings a hidden window up in the state its
// placement was given while hidden.
void HeadlessFrameWindow::Show(int showCmd)
{
    bool wasVisible = visible_;
    visible_ = showCmd != SW_HIDE;
    if (visible_ && (showCmd != SW_SHOW || wasVisible))
        placement_.showCmd = static_cast<unsigned>(showCmd);
}

// A hidden window takes the placement and stays hidden until it is shown.
void HeadlessFrameWindow::SetPlacement(const WindowPlacement& placement)
{
    placement_ = placement;
    if (visible_)
        visible_ = placement.showCmd != SW_HIDE;
}

void HeadlessFrameWindow::SetScrollSizes(Size total, Size line)
{
    total_ = total;
    line_ = line;
    ScrollTo(scrollX_, scrollY_);
}

void HeadlessFrameWindow::ScrollTo(int x, int y)
{
    // Like a scroll bar: never past the end of what there is to show.
    scrollX_ = std::clamp(x, 0, std::max(0, total_.cx - client_.cx));
    scrollY_ = std::clamp(y, 0, std::max(0, total_.cy - client_.cy));
}

void HeadlessFrameWindow::GetScrollPosition(int& x, int& y) const
{
    x = scrollX_;
    y = scrollY_;
}

void HeadlessFrameWindow::ShowScrollBars(bool vertical, bool horizontal)
{
    if (text_)
        text_->ShowScrollBars(vertical, horizontal);
}

void HeadlessFrameWindow::FitClient(Size client)
{
    client_ = client;
    placement_.normal.right = placement_.normal.left + client.cx;
    placement_.normal.bottom = placement_.normal.top + client.cy;
    ScrollTo(scrollX_, scrollY_);
}
