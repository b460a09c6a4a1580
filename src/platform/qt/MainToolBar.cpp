#include "platform/qt/MainToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

#include "framework/CommandIds.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/MenuRenderer.h"
#include "platform/qt/ToolbarIcons.h"

namespace {

constexpr int kHistoryWidth = 256;
constexpr int kHistoryBoxId = 102;
constexpr int kRefreshMs = 250;

}  // namespace

MainToolBar::MainToolBar(CommandRouter& router, QWidget* parent)
    : QToolBar(QStringLiteral("Standard"), parent), router_(router), history_(new QComboBox(this))
{
    setObjectName(QStringLiteral("MainToolBar"));
    history_->setFixedWidth(kHistoryWidth);
    history_->setToolTip(QStringLiteral("Model history"));
    addWidget(history_);
    connect(history_, &QComboBox::activated, this, &MainToolBar::HistoryChosen);
    addSeparator();
    AddButton(32864, QStringLiteral("Previous model"));
    AddButton(32865, QStringLiteral("Next model"));
    AddButton(32883, QStringLiteral("Previous window"));
    AddButton(32882, QStringLiteral("Next window"));
    addSeparator();
    AddButton(ID_FILE_NEW, QStringLiteral("New"));
    AddButton(ID_FILE_OPEN, QStringLiteral("Open"));
    AddButton(ID_FILE_SAVE, QStringLiteral("Save"));
    addSeparator();
    AddButton(ID_EDIT_UNDO, QStringLiteral("Undo"));
    AddButton(ID_EDIT_CUT, QStringLiteral("Cut"));
    AddButton(ID_EDIT_COPY, QStringLiteral("Copy"));
    AddButton(ID_EDIT_PASTE, QStringLiteral("Paste"));
    addSeparator();
    AddButton(ID_APP_ABOUT, QStringLiteral("About"));
    connect(&refresh_, &QTimer::timeout, this, &MainToolBar::RefreshStates);
    refresh_.start(kRefreshMs);
}

void MainToolBar::AddButton(int commandId, const QString& tip)
{
    QAction* action = addAction(ToolbarIcon(commandId, *style()), tip);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { router_.Post(commandId); });
}

// The application's own prompt texts: the tool tip, and the fly-by text the
// status bar shows while the pointer rests on a button or the History box.
void MainToolBar::TakePrompts()
{
    history_->setToolTip(router_.ToolTip(kHistoryBoxId));
    history_->setStatusTip(router_.Prompt(kHistoryBoxId));
    for (QAction* action : actions()) {
        int id = action->data().toInt();
        if (id == 0 || router_.Prompt(id).isEmpty())
            continue;
        action->setToolTip(router_.ToolTip(id));
        action->setStatusTip(router_.Prompt(id));
    }
}

void MainToolBar::SetHistory(const std::vector<std::string>& items, int selection)
{
    QSignalBlocker block(history_);
    history_->clear();
    for (const std::string& item : items)
        history_->addItem(QString::fromStdString(item));
    history_->setCurrentIndex(selection);
}

void MainToolBar::RefreshStates()
{
    if (!router_.App())
        return;
    for (QAction* action : actions())
        if (int id = ActionCommandId(*action))
            action->setEnabled(router_.Query(id).enabled);
}
