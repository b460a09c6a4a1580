#pragma once
// The main tool bar: the History box and the command buttons. Buttons show
// the core's enabled state, refreshed while the program is idle.
#include <QTimer>
#include <QToolBar>

#include <string>
#include <vector>

class CommandRouter;
class QComboBox;

class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    MainToolBar(CommandRouter& router, QWidget* parent);
    // Takes tool tips and status-bar prompts from the attached application.
    void TakePrompts();

    // Mirrors the core's list without reporting it back as a user choice.
    void SetHistory(const std::vector<std::string>& items, int selection);
    QComboBox* HistoryBox() const { return history_; }

signals:
    void HistoryChosen(int index);

private:
    void AddButton(int commandId, const QString& tip);
    void RefreshStates();

    CommandRouter& router_;
    QComboBox* history_;
    QTimer refresh_;
};
