#pragma once
// The clipboard as a string that outlives the application object, as the
// desktop's clipboard outlives a process.
#include <string>

#include "framework/Services.h"

class MemoryClipboard : public IClipboard {
public:
    void SetText(const std::string& text) override { text_ = text; }
    std::string GetText() const override { return text_; }

private:
    std::string text_;
};
