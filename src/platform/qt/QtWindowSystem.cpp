#include "platform/qt/QtWindowSystem.h"

#include "platform/qt/MainToolBar.h"

#include "platform/qt/CanvasAccessible.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/QtFrameWindow.h"
#include "platform/qt/TextEditor.h"

QtWindowSystem::QtWindowSystem(ImageStore& images)
    : images_(images), menus_(router_), main_(std::make_unique<::MainWindow>(router_, menus_, guard_))
{
    InstallCanvasAccessibility();
}

QtWindowSystem::~QtWindowSystem() = default;

void QtWindowSystem::Attach(CApplication& app, MainWindowHooks hooks)
{
    router_.Attach(&app);
    main_->SetHooks(std::move(hooks));
    main_->ToolBar().TakePrompts();
}

void QtWindowSystem::Detach()
{
    router_.Attach(nullptr);
    main_->SetHooks({});
}

IMainWindow& QtWindowSystem::MainWindow()
{
    return *main_;
}

std::unique_ptr<IFrameWindow> QtWindowSystem::CreateFrameWindow(CFrame& frame, ViewKind kind)
{
    FrameWindowContext context{main_->Area(), router_, menus_, images_, guard_};
    return std::make_unique<QtFrameWindow>(frame, kind, context);
}
