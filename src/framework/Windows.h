#pragma once
// Windows port: the toolkit's side of frames. The core creates a frame
// window for each frame and for the main frame and drives it through these.
#include <memory>
#include <string>
#include <vector>

#include "framework/Accelerators.h"
#include "framework/Menu.h"
#include "framework/Placement.h"

class CFrame;
class ITextControl;

struct Size {
    int cx = 0, cy = 0;
};

struct Point {
    int x = 0, y = 0;
};

class IFrameWindow {
public:
    virtual ~IFrameWindow() = default;
    virtual void Show(int showCmd) = 0;
    virtual void Activate() = 0;
    virtual void Destroy() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetMenu(MenuPtr menu) = 0;
    virtual WindowPlacement GetPlacement() const = 0;
    virtual void SetPlacement(const WindowPlacement& placement) = 0;
    virtual bool IsVisible() const = 0;
    // The editing control of a text view, or none for a drawn view.
    virtual ITextControl* TextControl() = 0;
    // Drawn views: total size to scroll over, the scroll position, repaint.
    virtual void SetScrollSizes(Size total, Size line) = 0;
    virtual void ScrollTo(int x, int y) = 0;
    virtual void GetScrollPosition(int& x, int& y) const = 0;
    virtual Size ClientSize() const = 0;
    virtual void ShowScrollBars(bool vertical, bool horizontal) = 0;
    virtual void Invalidate() = 0;
    // Fits the frame so that its client area has this size.
    virtual void FitClient(Size client) = 0;
    // Keys that send a command while the frame is active, beyond those
    // its menu items show.
    virtual void SetAccelerators(const AcceleratorTable& table) { (void)table; }
};

class IMainWindow {
public:
    virtual ~IMainWindow() = default;
    virtual void Show(int showCmd) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetMenu(MenuPtr menu) = 0;
    virtual WindowPlacement GetPlacement() const = 0;
    virtual void SetPlacement(const WindowPlacement& placement) = 0;
    virtual bool IsMaximized() const = 0;
    // The tool bar's History box mirrors the core's history list.
    virtual void SetHistory(const std::vector<std::string>& items, int selection) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // The metronome's flash in the status bar: beat 1..beatsPerBar, or 0
    // for none.
    virtual void ShowTick(int beat, int beatsPerBar) { (void)beat; (void)beatsPerBar; }
    // The tool bar (59392) and the status bar (59393).
    virtual void ShowControlBar(int barId, bool show) { (void)barId; (void)show; }
    virtual bool IsControlBarVisible(int barId) const { (void)barId; return true; }
    virtual void Cascade() {}
    virtual void Tile(bool horizontal) { (void)horizontal; }
    virtual void ArrangeIcons() {}
    // "What's this?": the next click on a window shows what it is.
    virtual void EnterContextHelp() {}
    // The process is about to end; a toolkit leaves its event loop.
    virtual void Quit(int exitCode) = 0;
};

enum class ViewKind { Text, Drawn };

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;
    virtual IMainWindow& MainWindow() = 0;
    // A child frame window showing the frame's view.
    virtual std::unique_ptr<IFrameWindow> CreateFrameWindow(CFrame& frame, ViewKind kind) = 0;
    // The child frame window last activated, by whatever means.
    virtual void OnFrameActivated(CFrame&) {}
};
