#pragma once
// The one path from widgets into the core. Commands are queued so that
// they run from the event loop after the widget that sent them returned:
// a command may close that widget's window or play MIDI for minutes.
#include <QObject>

#include <functional>

#include "framework/CommandTarget.h"

class CApplication;

class CommandRouter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Attach(CApplication* app) { app_ = app; }
    CApplication* App() const { return app_; }

    void Post(int id);
    // Queues any call into the core; it is dropped when no core is attached.
    void PostCall(std::function<void(CApplication&)> call);
    CommandState Query(int id) const;
    // The command's status-bar prompt (the text before a line feed).
    QString Prompt(int id) const;
    // Its tool tip (the text after the line feed, or the prompt when none).
    QString ToolTip(int id) const;

private:
    CApplication* app_ = nullptr;
};
