#pragma once
// The application base: templates, frames in activation order, command
// routing and the document serial counter.
#include <memory>
#include <string>
#include <vector>

#include "framework/CommandTarget.h"
#include "framework/Menu.h"
#include "framework/Ports.h"
#include "framework/RecentFileList.h"

class CDocTemplate;
class CDocument;
class CFrame;

class CApplication : public CCommandTarget {
public:
    explicit CApplication(Ports& ports);
    ~CApplication() override;
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    Ports& ports;

    int NextSerial() { return nextSerial_++; }
    int PeekSerial() const { return nextSerial_; }

    void AddTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    CDocTemplate* Template(int position) const;
    int TemplateCount() const { return static_cast<int>(templates_.size()); }
    std::vector<CDocument*> AllDocuments() const;
    // The open document whose file is path, compared as files; null when none.
    CDocument* FindOpenDocument(const std::string& path) const;

    // Frames, the active one first.
    const std::vector<CFrame*>& Frames() const { return frames_; }
    CFrame* ActiveFrame() const { return frames_.empty() ? nullptr : frames_.front(); }

    // Active view, its document, its frame, the main frame, the application.
    bool RouteCommand(int id);
    CommandState QueryCommand(int id);

    // The main window's menu when no frame is open, and the main frame's
    // command target.
    void SetDefaultMenu(MenuPtr menu);
    void SetMainTarget(CCommandTarget* target) { mainTarget_ = target; }
    void UpdateMenuBar();
    // The menu bar the main window shows: the active frame's, or the default.
    MenuPtr MenuBar() const;
    // Brings a popup up to date just before it opens: the Window popup lists
    // the open windows. Overrides add their own lists.
    virtual void PreparePopup(CMenu& popup);
    // The same for the popup and every popup inside it.
    void PreparePopupTree(CMenu& popup);

    // The caption of a frame's window: its document's title, numbered
    // ("Guitar:1", "Guitar:2") while other windows show the same title.
    std::string CaptionOf(const CFrame& frame) const;
    // Every window's caption anew, after a title came or went.
    void UpdateCaptions();

    CRecentFileList& RecentFiles() { return recentFiles_; }

    int MessageBox(const std::string& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);
    virtual std::string AppTitle() const { return "Application"; }
    // The status-bar prompt of a command, then a line feed and its tool tip.
    virtual std::string CommandPrompt(int id) const { (void)id; return {}; }

    // Objects to destroy once the outermost command has returned.
    void DeleteLater(std::unique_ptr<CDocument> document);
    void CollectGarbage();

    // Called by the framework's frames and by the toolkit.
    void FrameCreated(std::unique_ptr<CFrame> frame);
    void FrameActivated(CFrame* frame);
    void FrameDestroyed(CFrame* frame);

private:
    std::vector<CCommandTarget*> Route() const;
    void RegisterPrintCommands();
    void RegisterWindowCommands();
    // Visible frames in the order they were made, as the Window popup lists them.
    std::vector<CFrame*> ListedFrames() const;
    void FillWindowList(CMenu& popup) const;
    // The "Select Window" list of every listed window.
    void ChooseWindow();
    // Activates the listed window `step` places after the active one.
    void CycleListedWindows(int step);

    int nextSerial_ = 2000;
    int routeDepth_ = 0;  // commands may nest while a pause handles messages
    std::vector<std::unique_ptr<CDocTemplate>> templates_;
    std::vector<std::unique_ptr<CFrame>> ownedFrames_;
    std::vector<CFrame*> frames_;
    std::vector<std::unique_ptr<CFrame>> deadFrames_;
    std::vector<std::unique_ptr<CDocument>> deadDocuments_;
    CCommandTarget* mainTarget_ = nullptr;
    MenuPtr defaultMenu_;
    CRecentFileList recentFiles_;
};
