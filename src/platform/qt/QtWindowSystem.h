#pragma once
// Windows port over Qt Widgets: one main window, MDI children per frame.
#include <memory>

#include "framework/Windows.h"
#include "platform/qt/ActivationGuard.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/MenuRenderer.h"

class CApplication;
class ImageStore;

class QtWindowSystem : public IWindowSystem {
public:
    explicit QtWindowSystem(ImageStore& images);
    ~QtWindowSystem() override;

    // Widgets reach the core only while an application is attached.
    void Attach(CApplication& app, MainWindowHooks hooks);
    void Detach();

    IMainWindow& MainWindow() override;
    std::unique_ptr<IFrameWindow> CreateFrameWindow(CFrame& frame, ViewKind kind) override;

    ::MainWindow& Widget() { return *main_; }
    CommandRouter& Router() { return router_; }
    MenuRenderer& Menus() { return menus_; }

private:
    ImageStore& images_;
    CommandRouter router_;
    MenuRenderer menus_;
    ActivationGuard guard_;
    std::unique_ptr<::MainWindow> main_;
};
