#pragma once
// The main window's core: the tool bar's History box, window cycling,
// window placement between runs, the Help commands and the exit procedure.
#include "framework/CommandTarget.h"
#include "framework/Menu.h"

#include <string>
#include <vector>

class CDocument;
class CReferenceApp;

class CMainFrame : public CCommandTarget {
public:
    // The first page of the user guide, among the shipped files.
    static constexpr const char* kUserGuide = "help/index.html";

    explicit CMainFrame(CReferenceApp& app);

    // Fills the History box; false when the tool bar could not be made.
    bool Create();
    // Shows the main window with the placement saved by the last run.
    void ShowWithPlacement(int showCmd);
    // What exit does when LAYOUT.USE or HISTORY.USE cannot be written.
    enum class UnsavedFiles { AskUser, ExitAnyway };

    // The close box and File > Exit: Exit, asking the user.
    void OnClose() { Exit(UnsavedFiles::AskUser); }
    // Asks every save question first (Cancel keeps every window open and
    // writes nothing), then saves placement, layout and history, closes
    // every window and ends the process: exit code 0, or 1 when a file could
    // not be written. Such a file is named with the reason; AskUser lets the
    // user go back instead. Returns what could not be saved, one line each.
    std::string Exit(UnsavedFiles mode);
    // The user picked an entry of the History box.
    void OnHistorySelChange(int index);
    bool IsClosed() const { return closed_; }
    // The popup for a right click on the main window's background.
    MenuPtr ContextMenu() const;

private:
    void SavePlacement();
    // The save question of every open document, the active one first; false
    // when the user cancelled. Documents answered No are added to discarded.
    bool AskSaveQuestions(std::vector<CDocument*>& discarded);
    // Placement, layout and history; what could not be written.
    std::string SaveSessionFiles();
    void CloseAllWindows();
    void CycleWindows(int direction);
    // The Help commands: the user guide in the desktop's browser.
    void OpenUserGuide();

    CReferenceApp& app_;
    int windowIndex_ = 0;
    bool closed_ = false;
};
