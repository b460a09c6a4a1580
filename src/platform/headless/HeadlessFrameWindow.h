#pragma once
// A child frame window as a plain object: what the core set on it can be
// read back by tests and the script runner.
#include <memory>
#include <string>

#include "framework/Windows.h"
#include "platform/headless/HeadlessTextControl.h"

class HeadlessFrameWindow : public IFrameWindow {
public:
    static constexpr Size kDefaultClient{640, 480};

    // A text view gets an editing control; a drawn view none.
    HeadlessFrameWindow(ViewKind kind, IClipboard& clipboard);

    void Show(int showCmd) override;
    void Activate() override { ++activations_; }
    void Destroy() override { destroyed_ = true; visible_ = false; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetMenu(MenuPtr menu) override { menu_ = std::move(menu); }
    WindowPlacement GetPlacement() const override { return placement_; }
    void SetPlacement(const WindowPlacement& placement) override;
    bool IsVisible() const override { return visible_; }
    ITextControl* TextControl() override { return text_.get(); }
    void SetScrollSizes(Size total, Size line) override;
    void ScrollTo(int x, int y) override;
    void GetScrollPosition(int& x, int& y) const override;
    Size ClientSize() const override { return client_; }
    void ShowScrollBars(bool vertical, bool horizontal) override;
    void Invalidate() override { ++invalidations_; }
    void FitClient(Size client) override;

    const std::string& Caption() const { return caption_; }
    MenuPtr Menu() const { return menu_; }
    HeadlessTextControl* Text() const { return text_.get(); }
    Size ScrollTotal() const { return total_; }
    Size ScrollLine() const { return line_; }
    int Invalidations() const { return invalidations_; }
    int Activations() const { return activations_; }
    bool IsDestroyed() const { return destroyed_; }

private:
    std::unique_ptr<HeadlessTextControl> text_;
    std::string caption_;
    MenuPtr menu_;
    WindowPlacement placement_;
    bool visible_ = false;
    bool destroyed_ = false;
    Size total_, line_;
    int scrollX_ = 0, scrollY_ = 0;
    Size client_ = kDefaultClient;
    int invalidations_ = 0;
    int activations_ = 0;
};
