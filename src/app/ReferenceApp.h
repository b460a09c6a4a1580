#pragma once
// The application object: owns what all windows share and runs start-up,
// the application commands and the exit procedure.
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"

class CMainFrame;

class CReferenceApp : public CApplication {
public:
    CReferenceApp(Ports& ports, std::string homeDir);
    ~CReferenceApp() override;

    // Start-up with the command-line switches. False when start-up ended
    // without a main window (registration, automation, failure): the
    // process then exits with StartupExitCode().
    bool InitInstance(const std::vector<std::string>& args);
    int StartupExitCode() const { return startupExitCode_; }

    std::string AppTitle() const override { return "Morvix Music Reference"; }
    const std::string& HomeDir() const { return homeDir_; }
    CMainFrame& MainFrame() { return *mainFrame_; }
    bool LoadingLayout() const { return loadingLayout_; }

    // Opens a file by its extension; null when nothing was opened.
    CDocument* OpenFileByType(const std::string& path);

private:
    void RegisterTemplates();
    void RegisterCommands();
    void OnFileNew();
    void OnFileOpen();
    void OnAbout();

    std::string homeDir_;
    std::unique_ptr<CMainFrame> mainFrame_;
    bool loadingLayout_ = false;
    int startupExitCode_ = 0;
};
