#pragma once
// The main window as a plain object, including the request to end the
// process that the script runner watches for.
#include <map>
#include <string>
#include <vector>

#include "framework/Windows.h"

class HeadlessMainWindow : public IMainWindow {
public:
    void Show(int showCmd) override;
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetMenu(MenuPtr menu) override { menu_ = std::move(menu); }
    WindowPlacement GetPlacement() const override { return placement_; }
    void SetPlacement(const WindowPlacement& placement) override { placement_ = placement; }
    bool IsMaximized() const override { return placement_.showCmd == SW_SHOWMAXIMIZED; }
    void SetHistory(const std::vector<std::string>& items, int selection) override;
    void SetStatusText(const std::string& text) override { status_ = text; }
    void ShowTick(int beat, int beatsPerBar) override
    {
        tick_ = beat;
        beatsPerBar_ = beatsPerBar;
    }
    void Quit(int exitCode) override;
    void ShowControlBar(int barId, bool show) override { hiddenBars_[barId] = !show; }
    bool IsControlBarVisible(int barId) const override
    {
        auto it = hiddenBars_.find(barId);
        return it == hiddenBars_.end() || !it->second;
    }

    const std::string& Caption() const { return caption_; }
    MenuPtr Menu() const { return menu_; }
    bool IsVisible() const { return visible_; }
    const std::vector<std::string>& HistoryItems() const { return history_; }
    int HistorySelection() const { return historySelection_; }
    const std::string& StatusText() const { return status_; }
    // The metronome's flash: "2 of 4", or "none".
    std::string TickShown() const
    {
        return tick_ ? std::to_string(tick_) + " of " + std::to_string(beatsPerBar_) : "none";
    }
    bool QuitRequested() const { return quit_; }
    int ExitCode() const { return exitCode_; }

private:
    std::string caption_;
    MenuPtr menu_;
    WindowPlacement placement_;
    bool visible_ = false;
    std::vector<std::string> history_;
    int historySelection_ = -1;
    std::string status_;
    int tick_ = 0;
    int beatsPerBar_ = 0;
    bool quit_ = false;
    std::map<int, bool> hiddenBars_;
    int exitCode_ = 0;
};
