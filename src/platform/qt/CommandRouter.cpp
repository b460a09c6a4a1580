#include "platform/qt/CommandRouter.h"

#include "framework/Application.h"

void CommandRouter::Post(int id)
{
    PostCall([id](CApplication& app) { app.RouteCommand(id); });
}

void CommandRouter::PostCall(std::function<void(CApplication&)> call)
{
    QMetaObject::invokeMethod(
        this,
        [this, call = std::move(call)] {
            if (app_)
                call(*app_);
        },
        Qt::QueuedConnection);
}

CommandState CommandRouter::Query(int id) const
{
    return app_ ? app_->QueryCommand(id) : CommandState{false, false};
}

QString CommandRouter::Prompt(int id) const
{
    if (!app_)
        return {};
    std::string text = app_->CommandPrompt(id);
    return QString::fromStdString(text.substr(0, text.find('\n')));
}

QString CommandRouter::ToolTip(int id) const
{
    if (!app_)
        return {};
    std::string text = app_->CommandPrompt(id);
    std::size_t lineFeed = text.find('\n');
    return QString::fromStdString(lineFeed == std::string::npos ? text : text.substr(lineFeed + 1));
}
