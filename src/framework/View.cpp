#include "framework/View.h"

#include "framework/Frame.h"

void CView::OnUpdate(CView*, int)
{
    Invalidate();
}

IFrameWindow* CView::Window() const
{
    return frame_ ? frame_->Window() : nullptr;
}

ITextControl* CView::TextControl() const
{
    IFrameWindow* window = Window();
    return window ? window->TextControl() : nullptr;
}

void CView::Invalidate() const
{
    if (IFrameWindow* window = Window())
        window->Invalidate();
}
