#pragma once
// Windows port without a display: the main window and each frame window
// are plain objects the frames own.
#include <memory>

#include "framework/Services.h"
#include "framework/Windows.h"
#include "platform/headless/HeadlessFrameWindow.h"
#include "platform/headless/HeadlessMainWindow.h"

class HeadlessWindowSystem : public IWindowSystem {
public:
    explicit HeadlessWindowSystem(IClipboard& clipboard) : clipboard_(clipboard) {}

    HeadlessMainWindow& MainWindow() override { return main_; }
    std::unique_ptr<IFrameWindow> CreateFrameWindow(CFrame& frame, ViewKind kind) override;

    // The headless window of a frame made by this system, or null.
    static HeadlessFrameWindow* WindowOf(const CFrame& frame);

private:
    IClipboard& clipboard_;
    HeadlessMainWindow main_;
};
