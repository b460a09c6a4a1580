#include "platform/headless/HeadlessMainWindow.h"

void HeadlessMainWindow::Show(int showCmd)
{
    visible_ = showCmd != SW_HIDE;
    if (showCmd == SW_SHOWMAXIMIZED || showCmd == SW_SHOWNORMAL || showCmd == SW_SHOWMINIMIZED)
        placement_.showCmd = static_cast<unsigned>(showCmd);
    else if (showCmd == SW_RESTORE)
        placement_.showCmd = SW_SHOWNORMAL;
}

void HeadlessMainWindow::SetHistory(const std::vector<std::string>& items, int selection)
{
    history_ = items;
    historySelection_ = selection;
}

void HeadlessMainWindow::Quit(int exitCode)
{
    quit_ = true;
    exitCode_ = exitCode;
}
