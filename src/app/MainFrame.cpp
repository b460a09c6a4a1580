#include "app/MainFrame.h"

#include <cstdio>
#include <filesystem>

#include "app/AppCommands.h"
#include "app/LayoutKeeper.h"
#include "app/MenuResources.h"
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

void CMainFrame::OnClose()
{
    if (closed_)
        return;
    SavePlacement();
    CLayoutKeeper(app_).SaveLayout();
    app_.History().Save();
    app_.ports.settings->Flush();
    // A document the user chose to keep at its save question keeps the
    // program running, rather than losing the unsaved text.
    for (CFrame* frame : std::vector<CFrame*>(app_.Frames())) {
        if (frame->IsDestroyed())
            continue;
        if (!frame->QueryClose())
            return;
        frame->OnClose();
        app_.CollectGarbage();
    }
    app_.ports.settings->Flush();
    closed_ = true;
    app_.ports.windows->MainWindow().Quit(0);
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
