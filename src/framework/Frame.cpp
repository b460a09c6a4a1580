#include "framework/Frame.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Document.h"
#include "framework/View.h"

CFrame::~CFrame() = default;

CDocument* CFrame::Document() const
{
    return view_ ? view_->GetDocument() : nullptr;
}

void CFrame::SetMenu(MenuPtr menu)
{
    menu_ = std::move(menu);
    if (window_)
        window_->SetMenu(menu_);
    if (app_ && app_->ActiveFrame() == this)
        app_->UpdateMenuBar();
}

std::string CFrame::Caption() const
{
    if (app_)
        return app_->CaptionOf(*this);
    return Document() ? Document()->GetTitle() : std::string();
}

void CFrame::UpdateCaption()
{
    if (!window_ || !Document())
        return;
    std::string caption = Caption();
    if (caption != caption_)
        window_->SetCaption(caption_ = caption);
}

void CFrame::Activate()
{
    if (destroyed_)
        return;
    if (window_)
        window_->Activate();
    app_->FrameActivated(this);
}

void CFrame::Show(int showCmd)
{
    if (window_)
        window_->Show(showCmd);
}

bool CFrame::IsVisible() const
{
    return window_ && window_->IsVisible();
}

void CFrame::OnClose()
{
    if (QueryClose())
        CloseNow();
}

bool CFrame::QueryClose()
{
    CDocument* document = Document();
    return !document || document->Views().size() > 1 || document->SaveModified();
}

void CFrame::CloseNow()
{
    CDocument* document = Document();
    if (document && document->Views().size() == 1)
        document->OnCloseDocument();
    else
        DestroyWindow();
}

void CFrame::DestroyWindow()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    if (view_ && view_->GetDocument())
        view_->GetDocument()->RemoveView(view_.get());
    if (window_)
        window_->Destroy();
    app_->FrameDestroyed(this);
}
