#include "framework/Application.h"

#include <algorithm>
#include <filesystem>

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"

namespace {

constexpr int kListedWindows = ID_WINDOW_CHILD_LAST - ID_WINDOW_CHILD_FIRST + 1;
constexpr int kWindowListControl = 100;

}  // namespace

CApplication::CApplication(Ports& ports) : ports(ports), recentFiles_(*ports.settings)
{
    RegisterWindowCommands();
    RegisterPrintCommands();
}

// The numbered windows of the Window popup, the list of all of them, and
// stepping through all of them.
void CApplication::RegisterWindowCommands()
{
    OnRange(ID_WINDOW_CHILD_FIRST, ID_WINDOW_CHILD_LAST, [this](int id) {
        std::vector<CFrame*> listed = ListedFrames();
        size_t index = static_cast<size_t>(id - ID_WINDOW_CHILD_FIRST);
        if (index < listed.size())
            listed[index]->Activate();
    }, [this](int id, CommandState& state) {
        std::vector<CFrame*> listed = ListedFrames();
        size_t index = static_cast<size_t>(id - ID_WINDOW_CHILD_FIRST);
        state.enabled = index < listed.size();
        state.checked = state.enabled && listed[index] == ActiveFrame();
    });
    auto anyListed = [this](int, CommandState& state) { state.enabled = !ListedFrames().empty(); };
    On(ID_WINDOW_MORE, [this] { ChooseWindow(); }, anyListed);
    On(ID_WINDOW_NEXT_CHILD, [this] { CycleListedWindows(1); }, anyListed);
    On(ID_WINDOW_PREVIOUS_CHILD, [this] { CycleListedWindows(-1); }, anyListed);
}

// Print and Print Preview print what the active view hands over.
void CApplication::RegisterPrintCommands()
{
    auto canPrint = [this](int, CommandState& state) {
        CFrame* frame = ActiveFrame();
        state.enabled = ports.printer && frame && frame->View() && frame->View()->CanPrint();
    };
    auto print = [this](int id) {
        PrintJob job;
        CFrame* frame = ActiveFrame();
        if (ports.printer && frame && frame->View() && frame->View()->MakePrintJob(job))
            ports.printer->Print(job, id == ID_FILE_PRINT_PREVIEW);
    };
    OnRange(ID_FILE_PRINT, ID_FILE_PRINT, print, canPrint);
    OnRange(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, print, canPrint);
    OnRange(ID_FILE_PRINT_SETUP, ID_FILE_PRINT_SETUP, [this](int) {
        if (ports.printer)
            ports.printer->Setup();
    }, [this](int, CommandState& state) { state.enabled = ports.printer != nullptr; });
}

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

CDocument* CApplication::FindOpenDocument(const std::string& path) const
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path wanted = fs::weakly_canonical(path, error);
    if (error)
        return nullptr;
    for (CDocument* document : AllDocuments()) {
        if (document->IsClosing() || document->GetPathName().empty())
            continue;
        fs::path open = fs::weakly_canonical(document->GetPathName(), error);
        if (!error && open == wanted)
            return document;
    }
    return nullptr;
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

MenuPtr CApplication::MenuBar() const
{
    CFrame* frame = ActiveFrame();
    return frame && frame->GetMenu() ? frame->GetMenu() : defaultMenu_;
}

void CApplication::UpdateMenuBar()
{
    ports.windows->MainWindow().SetMenu(MenuBar());
}

void CApplication::PreparePopup(CMenu& popup)
{
    for (const MenuItem& item : popup.Items())
        if (item.kind == MenuItem::Kind::Command && item.id == ID_WINDOW_CASCADE) {
            FillWindowList(popup);
            return;
        }
}

void CApplication::PreparePopupTree(CMenu& popup)
{
    PreparePopup(popup);
    for (const MenuItem& item : popup.Items())
        if (item.kind == MenuItem::Kind::Popup && item.popup)
            PreparePopupTree(*item.popup);
}

std::vector<CFrame*> CApplication::ListedFrames() const
{
    std::vector<CFrame*> listed;
    for (const auto& frame : ownedFrames_)
        if (!frame->IsDestroyed() && frame->IsVisible() && frame->Document())
            listed.push_back(frame.get());
    return listed;
}

// The popup's own items end at its last separator before the list, if any.
// The first nine windows are listed; "More Windows..." reaches the rest.
void CApplication::FillWindowList(CMenu& popup) const
{
    auto listItem = [](const MenuItem& item) {
        return item.kind == MenuItem::Kind::Command &&
               ((item.id >= ID_WINDOW_CHILD_FIRST && item.id <= ID_WINDOW_CHILD_LAST) || item.id == ID_WINDOW_MORE);
    };
    int keep = popup.Count();
    for (int i = popup.Count() - 1; i >= 0; --i)
        if (listItem(popup.At(i)))
            keep = i;
    if (keep < popup.Count() && keep > 0 && popup.At(keep - 1).kind == MenuItem::Kind::Separator)
        --keep;
    std::vector<CFrame*> listed = ListedFrames();
    std::vector<std::pair<std::string, int>> items;
    for (size_t i = 0; i < listed.size() && static_cast<int>(i) < kListedWindows; ++i)
        items.emplace_back("&" + std::to_string(i + 1) + " " + CaptionOf(*listed[i]),
                           ID_WINDOW_CHILD_FIRST + static_cast<int>(i));
    if (static_cast<int>(listed.size()) > kListedWindows)
        items.emplace_back("&More Windows...", ID_WINDOW_MORE);
    bool unchanged = keep < popup.Count() && popup.Count() - keep - 1 == static_cast<int>(items.size());
    for (size_t i = 0; unchanged && i < items.size(); ++i)
        unchanged = popup.At(keep + 1 + static_cast<int>(i)).text == items[i].first;
    if (unchanged)
        return;
    popup.Truncate(keep);
    if (items.empty())
        return;
    popup.AppendSeparator();
    for (const auto& [text, id] : items)
        popup.AppendCommand(text, id);
}

void CApplication::ChooseWindow()
{
    std::vector<CFrame*> listed = ListedFrames();
    DialogData dialog;
    dialog.caption = "Select Window";
    DialogControl& list = dialog.Add(kWindowListControl, DialogControl::Kind::List, "&Select Window:");
    for (size_t i = 0; i < listed.size(); ++i) {
        list.choices.push_back(CaptionOf(*listed[i]));
        if (listed[i] == ActiveFrame())
            list.value = static_cast<int>(i);
    }
    if (ports.prompts->RunDialog(dialog) != IDOK)
        return;
    int chosen = dialog.Find(kWindowListControl)->value;
    if (chosen >= 0 && chosen < static_cast<int>(listed.size()) && !listed[static_cast<size_t>(chosen)]->IsDestroyed())
        listed[static_cast<size_t>(chosen)]->Activate();
}

void CApplication::CycleListedWindows(int step)
{
    std::vector<CFrame*> listed = ListedFrames();
    if (listed.empty())
        return;
    int count = static_cast<int>(listed.size());
    auto active = std::find(listed.begin(), listed.end(), ActiveFrame());
    int next = active == listed.end() ? (step > 0 ? 0 : count - 1)
                                      : ((static_cast<int>(active - listed.begin()) + step) % count + count) % count;
    listed[static_cast<size_t>(next)]->Activate();
}

std::string CApplication::CaptionOf(const CFrame& frame) const
{
    CDocument* document = frame.Document();
    if (!document)
        return {};
    const std::string& title = document->GetTitle();
    int number = 0, sharing = 0;
    for (const auto& other : ownedFrames_) {
        if (other->IsDestroyed() || !other->Document() || other->Document()->GetTitle() != title)
            continue;
        ++sharing;
        if (other.get() == &frame)
            number = sharing;
    }
    return sharing > 1 ? title + ":" + std::to_string(number) : title;
}

void CApplication::UpdateCaptions()
{
    for (const auto& frame : ownedFrames_)
        if (!frame->IsDestroyed())
            frame->UpdateCaption();
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

// A window that shares its title with others numbers their captions too.
void CApplication::FrameCreated(std::unique_ptr<CFrame> frame)
{
    frames_.push_back(frame.get());
    ownedFrames_.push_back(std::move(frame));
    UpdateCaptions();
}

void CApplication::FrameActivated(CFrame* frame)
{
    auto it = std::find(frames_.begin(), frames_.end(), frame);
    if (it == frames_.end())
        return;
    std::rotate(frames_.begin(), it, it + 1);
    ports.windows->OnFrameActivated(*frame);
    if (CView* view = frame->View())
        view->OnActivateFrame();
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
    UpdateCaptions();
    if (wasActive && ActiveFrame())
        ActiveFrame()->Activate();
    else
        UpdateMenuBar();
}
