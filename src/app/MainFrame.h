#pragma once
// The main window's core: the tool bar's History box, window cycling,
// window placement between runs, the Help commands and the exit procedure.
#include "framework/CommandTarget.h"
#include "framework/Menu.h"

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
    // The close box and File > Exit: saves placement, layout and history,
    // closes every window and ends the process with exit code 0.
    void OnClose();
    // The user picked an entry of the History box.
    void OnHistorySelChange(int index);
    bool IsClosed() const { return closed_; }
    // The popup for a right click on the main window's background.
    MenuPtr ContextMenu() const;

private:
    void SavePlacement();
    void CycleWindows(int direction);
    // The Help commands: the user guide in the desktop's browser.
    void OpenUserGuide();

    CReferenceApp& app_;
    int windowIndex_ = 0;
    bool closed_ = false;
};
