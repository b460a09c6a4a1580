#pragma once
// Clipboard and launcher: the desktop's plain-text clipboard, its default
// handler for text files and its browser for the user guide.
#include "framework/Services.h"

class QtClipboard : public IClipboard {
public:
    void SetText(const std::string& text) override;
    std::string GetText() const override;
};

class QtLauncher : public ILauncher {
public:
    bool OpenInTextEditor(const std::string& path) override;
    bool OpenHelp(const std::string& path) override;
};
