#pragma once
// Clipboard and launcher: the desktop's plain-text clipboard and its
// default handler for text files.
#include "framework/Services.h"

class QtClipboard : public IClipboard {
public:
    void SetText(const std::string& text) override;
    std::string GetText() const override;
};

class QtLauncher : public ILauncher {
public:
    bool OpenInTextEditor(const std::string& path) override;
};
