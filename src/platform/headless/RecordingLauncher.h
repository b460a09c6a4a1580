#pragma once
// Launcher that only records what it was asked to open.
#include <string>
#include <vector>

#include "framework/Services.h"

class RecordingLauncher : public ILauncher {
public:
    bool OpenInTextEditor(const std::string& path) override
    {
        opened_.push_back(path);
        log_.push_back("edit " + path);
        return succeeds_;
    }
    bool OpenHelp(const std::string& path) override
    {
        log_.push_back("help " + path);
        return succeeds_;
    }
    void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }
    // The files handed to the text editor.
    const std::vector<std::string>& Opened() const { return opened_; }
    // Every request in order: "edit PATH" or "help PATH".
    const std::vector<std::string>& Log() const { return log_; }

private:
    std::vector<std::string> opened_;
    std::vector<std::string> log_;
    bool succeeds_ = true;
};
