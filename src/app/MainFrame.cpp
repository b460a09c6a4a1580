#include "app/MainFrame.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/AppCommands.h"
#include "app/LayoutKeeper.h"
#include "app/MenuResources.h"
#include "app/StartupLayout.h"
#include "app/ReferenceApp.h"
#include "app/WindowPos.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"

CMainFrame::CMainFrame(CReferenceApp& app) : app_(app)
{
    IMainWindow& window = app_.ports.windows->MainWindow();
    On(ID_WINDOW_CASCADE, [&window] { window.Cascade(); });
    On(ID_WINDOW_TILE_HORZ, [&window] { window.Tile(true); });
    On(ID_WINDOW_TILE_VERT, [&window] { window.Tile(false); });
    On(ID_WINDOW_ARRANGE, [&window] { window.ArrangeIcons(); });
    for (int bar : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
        On(bar, [&window, bar] { window.ShowControlBar(bar, !window.IsControlBarVisible(bar)); },
           [&window](int id, CommandState& state) { state.checked = window.IsControlBarVisible(id); });
    On(ID_PREVIOUS_MODEL, [this] { app_.History().Previous(); });
    On(ID_NEXT_MODEL, [this] { app_.History().Next(); });
    On(ID_NEXT_WINDOW, [this] { CycleWindows(1); });
    On(ID_PREVIOUS_WINDOW, [this] { CycleWindows(-1); });
    for (int id : {ID_HELP_INDEX, ID_HELP_FINDER, ID_HELP_USING, ID_HELP, ID_DEFAULT_HELP})
        On(id, [this] { OpenUserGuide(); });
    On(ID_CONTEXT_HELP, [&window] { window.EnterContextHelp(); });
}

bool CMainFrame::Create()
{
    app_.History().Load();
    return true;
}

void CMainFrame::ShowWithPlacement(int showCmd)
{
    IMainWindow& window = app_.ports.windows->MainWindow();
    std::string stored = app_.ports.settings->GetString("Settings", "WindowPos", "");
    WindowPlacement placement;
    if (!ParseWindowPos(stored, placement)) {
        window.Show(showCmd);
        return;
    }
    if (showCmd != SW_SHOWNORMAL)
        placement.showCmd = static_cast<unsigned>(showCmd);
    window.SetPlacement(placement);
    window.Show(static_cast<int>(placement.showCmd));
}

void CMainFrame::SavePlacement()
{
    IMainWindow& window = app_.ports.windows->MainWindow();
    WindowPlacement placement = window.GetPlacement();
    placement.flags = window.IsMaximized() ? 2 : 0;
    app_.ports.settings->WriteString("Settings", "WindowPos", FormatWindowPos(placement));
}

std::string CMainFrame::Exit(UnsavedFiles mode)
{
    if (closed_)
        return {};
    // Every question before anything closes or is written: a Cancel at the
    // last one must find every window still open and the layout unchanged.
    std::vector<CDocument*> discarded;
    if (!AskSaveQuestions(discarded))
        return {};
    std::string unsaved = SaveSessionFiles();
    if (!unsaved.empty() && mode == UnsavedFiles::AskUser &&
        app_.MessageBox(unsaved + "\nChoose OK to exit anyway, or Cancel to go back to the program.",
                        MessageIcon::Warning, MessageButtons::OkCancel) != IDOK)
        return unsaved;
    for (CDocument* document : discarded)
        document->DiscardChanges();
    CloseAllWindows();
    app_.ports.settings->Flush();
    closed_ = true;
    app_.ports.windows->MainWindow().Quit(unsaved.empty() ? 0 : 1);
    return unsaved;
}

bool CMainFrame::AskSaveQuestions(std::vector<CDocument*>& discarded)
{
    std::vector<CDocument*> asked;
    for (CFrame* frame : app_.Frames()) {
        CDocument* document = frame->Document();
        if (!document || document->IsClosing() || std::find(asked.begin(), asked.end(), document) != asked.end())
            continue;
        asked.push_back(document);
        CDocument::SaveAnswer answer = document->AskToSave();
        if (answer == CDocument::SaveAnswer::Cancel)
            return false;
        if (answer == CDocument::SaveAnswer::Discard)
            discarded.push_back(document);
    }
    return true;
}

std::string CMainFrame::SaveSessionFiles()
{
    SavePlacement();
    std::string unsaved;
    std::string reason;
    if (!CLayoutKeeper(app_).SaveLayout(&reason))
        unsaved += "The window layout could not be saved to " + app_.WritableFile(CStartupLayout::kFileName) +
                   ": " + reason + ".\n";
    if (!app_.History().Save(&reason))
        unsaved += "The model history could not be saved to " + app_.History().FilePath() + ": " + reason + ".\n";
    app_.ports.settings->Flush();
    return unsaved;
}

// Closing a model closes its instruments' windows as well, and a command
// that is not routed (the window manager's close) frees closed frames at
// once: only frames still listed as open are touched.
void CMainFrame::CloseAllWindows()
{
    for (CFrame* frame : std::vector<CFrame*>(app_.Frames())) {
        const std::vector<CFrame*>& open = app_.Frames();
        if (std::find(open.begin(), open.end(), frame) != open.end())
            frame->OnClose();
    }
    app_.CollectGarbage();
}

MenuPtr CMainFrame::ContextMenu() const
{
    return app_.PreparedMenu(IDR_MAIN_CONTEXT)->FirstPopup();
}

void CMainFrame::OnHistorySelChange(int index)
{
    app_.History().Choose(index);
    app_.CollectGarbage();
}

void CMainFrame::OpenUserGuide()
{
    std::string guide = app_.ProgramFile(kUserGuide);
    std::error_code error;
    // A browser handed a missing file would show its own error page, or
    // nothing at all; the user hears from the program instead.
    if (std::filesystem::is_regular_file(guide, error) && app_.ports.launcher->OpenHelp(guide))
        return;
    app_.MessageBox("The user guide " + guide + " could not be opened.", MessageIcon::Warning);
}

void CMainFrame::CycleWindows(int direction)
{
    CModelDoc* model = app_.Models().Primary();
    int count = model ? static_cast<int>(model->Instruments().size()) : 0;
    if (count == 0)
        return;
    windowIndex_ += direction;
    if (windowIndex_ >= count)
        windowIndex_ = 0;
    if (windowIndex_ < 0)
        windowIndex_ = count - 1;
    if (CFrame* frame = model->Instruments()[windowIndex_]->FirstFrame())
        frame->Activate();
}
