#include "framework/View.h"

#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"

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

AccessibleRole CView::AccessRole() const
{
    return Kind() == ViewKind::Text ? AccessibleRole::Text : AccessibleRole::Graphic;
}

std::string CView::AccessibleName() const
{
    return document_ ? document_->GetTitle() : std::string();
}

std::vector<std::string> CView::AccessibleLines()
{
    ITextControl* control = TextControl();
    return control ? SplitAccessibleLines(control->GetText()) : std::vector<std::string>();
}
