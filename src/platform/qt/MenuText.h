#pragma once
// Menu item texts: "&" mnemonics are Qt's own convention; the accelerator
// text after "\t" becomes a shortcut where Qt can read it.
#include <QKeySequence>
#include <QString>

#include <string>

struct MenuLabel {
    QString text;           // what the item shows, "\t" and unreadable key text kept
    QKeySequence shortcut;  // empty when there is none or it is unreadable
};

MenuLabel ParseMenuLabel(const std::string& text);
