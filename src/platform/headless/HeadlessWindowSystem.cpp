#include "platform/headless/HeadlessWindowSystem.h"

#include "framework/Frame.h"

std::unique_ptr<IFrameWindow> HeadlessWindowSystem::CreateFrameWindow(CFrame&, ViewKind kind)
{
    return std::make_unique<HeadlessFrameWindow>(kind, clipboard_);
}

HeadlessFrameWindow* HeadlessWindowSystem::WindowOf(const CFrame& frame)
{
    return dynamic_cast<HeadlessFrameWindow*>(frame.Window());
}
