#include "framework/Document.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "framework/View.h"

void CDocument::SetTitle(const std::string& title)
{
    title_ = title;
    UpdateCaptions();
}

// Windows sharing a title number their captions, so another window's
// caption may depend on this title and on this document's windows.
void CDocument::UpdateCaptions()
{
    if (app_) {
        app_->UpdateCaptions();
        return;
    }
    for (CView* view : views_)
        if (view->Frame())
            view->Frame()->UpdateCaption();
}

void CDocument::SetPathName(const std::string& path)
{
    pathName_ = path;
    auto slash = path.find_last_of('/');
    SetTitle(slash == std::string::npos ? path : path.substr(slash + 1));
}

CFrame* CDocument::FirstFrame() const
{
    CView* view = FirstView();
    return view ? view->Frame() : nullptr;
}

void CDocument::UpdateAllViews(CView* sender, int hint)
{
    for (CView* view : std::vector<CView*>(views_))
        if (view != sender)
            view->OnUpdate(sender, hint);
}

bool CDocument::SaveModified()
{
    SaveAnswer answer = AskToSave();
    if (answer == SaveAnswer::Discard)
        DiscardChanges();
    return answer != SaveAnswer::Cancel;
}

bool CDocument::OnOpenDocument(const std::string& path)
{
    SetPathName(path);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path)
{
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument()
{
    if (closing_)
        return;
    closing_ = true;
    std::vector<CFrame*> frames;
    for (CView* view : views_)
        if (view->Frame() && std::find(frames.begin(), frames.end(), view->Frame()) == frames.end())
            frames.push_back(view->Frame());
    for (CFrame* frame : frames)
        frame->DestroyWindow();
    template_->RemoveDocument(this);
}

void CDocument::AddView(CView* view)
{
    views_.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    UpdateCaptions();
}
