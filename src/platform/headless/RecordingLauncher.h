#pragma once
// Launcher that only records which files it was asked to open.
#include <string>
#include <vector>

#include "framework/Services.h"

class RecordingLauncher : public ILauncher {
public:
    bool OpenInTextEditor(const std::string& path) override
    {
        opened_.push_back(path);
        return succeeds_;
    }
    void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }
    const std::vector<std::string>& Opened() const { return opened_; }

private:
    std::vector<std::string> opened_;
    bool succeeds_ = true;
};
