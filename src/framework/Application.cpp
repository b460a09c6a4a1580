#include "framework/Application.h"

#include <algorithm>

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"

CApplication::CApplication(Ports& ports) : ports(ports) {}

CApplication::~CApplication()
{
    deadFrames_.clear();
    deadDocuments_.clear();
    // Frames refer to documents and windows; drop them before the templates.
    ownedFrames_.clear();
    templates_.clear();
}

void CApplication::AddTemplate(std::unique_ptr<CDocTemplate> docTemplate)
{
    templates_.push_back(std::move(docTemplate));
}

CDocTemplate* CApplication::Template(int position) const
{
    if (position < 0 || position >= TemplateCount())
        return nullptr;
    return templates_[position].get();
}

std::vector<CDocument*> CApplication::AllDocuments() const
{
    std::vector<CDocument*> all;
    for (const auto& docTemplate : templates_)
        all.insert(all.end(), docTemplate->Documents().begin(), docTemplate->Documents().end());
    return all;
}

std::vector<CCommandTarget*> CApplication::Route() const
{
    std::vector<CCommandTarget*> route;
    if (CFrame* frame = ActiveFrame()) {
        if (frame->View())
            route.push_back(frame->View());
        if (frame->Document())
            route.push_back(frame->Document());
        route.push_back(frame);
    }
    if (mainTarget_)
        route.push_back(mainTarget_);
    route.push_back(const_cast<CApplication*>(this));
    return route;
}

bool CApplication::RouteCommand(int id)
{
    bool handled = false;
    ++routeDepth_;
    for (CCommandTarget* target : Route()) {
        CommandState state;
        if (!target->OnUpdateCommand(id, state))
            continue;
        if (state.enabled)
            handled = target->OnCommand(id);
        break;
    }
    if (--routeDepth_ == 0)
        CollectGarbage();
    return handled;
}

CommandState CApplication::QueryCommand(int id)
{
    for (CCommandTarget* target : Route()) {
        CommandState state;
        if (target->OnUpdateCommand(id, state))
            return state;
    }
    return CommandState{false, false};
}

void CApplication::SetDefaultMenu(MenuPtr menu)
{
    defaultMenu_ = std::move(menu);
    UpdateMenuBar();
}

void CApplication::UpdateMenuBar()
{
    CFrame* frame = ActiveFrame();
    MenuPtr menu = frame && frame->GetMenu() ? frame->GetMenu() : defaultMenu_;
    ports.windows->MainWindow().SetMenu(menu);
}

int CApplication::MessageBox(const std::string& text, MessageIcon icon, MessageButtons buttons)
{
    return ports.prompts->MessageBox(text, AppTitle(), icon, buttons);
}

void CApplication::DeleteLater(std::unique_ptr<CDocument> document)
{
    deadDocuments_.push_back(std::move(document));
}

void CApplication::CollectGarbage()
{
    if (routeDepth_ > 0)
        return;
    deadFrames_.clear();
    deadDocuments_.clear();
}

void CApplication::FrameCreated(std::unique_ptr<CFrame> frame)
{
    frames_.push_back(frame.get());
    ownedFrames_.push_back(std::move(frame));
}

void CApplication::FrameActivated(CFrame* frame)
{
    auto it = std::find(frames_.begin(), frames_.end(), frame);
    if (it == frames_.end())
        return;
    std::rotate(frames_.begin(), it, it + 1);
    ports.windows->OnFrameActivated(*frame);
    UpdateMenuBar();
}

void CApplication::FrameDestroyed(CFrame* frame)
{
    bool wasActive = ActiveFrame() == frame;
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
    auto it = std::find_if(ownedFrames_.begin(), ownedFrames_.end(),
                           [frame](const auto& owned) { return owned.get() == frame; });
    if (it != ownedFrames_.end()) {
        deadFrames_.push_back(std::move(*it));
        ownedFrames_.erase(it);
    }
    if (wasActive && ActiveFrame())
        ActiveFrame()->Activate();
    else
        UpdateMenuBar();
}
