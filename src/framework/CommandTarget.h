#pragma once
// Command routing targets. Each target declares the commands it handles
// (single ids or ranges) with an optional state updater; a command that no
// target along the route declares is shown disabled.
#include <functional>
#include <vector>

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;
    // True when this target handled the command.
    virtual bool OnCommand(int id);
    // True when this target declares the command; state then holds its state.
    virtual bool OnUpdateCommand(int id, CommandState& state);

protected:
    using Handler = std::function<void(int id)>;
    using Updater = std::function<void(int id, CommandState& state)>;
    void OnRange(int first, int last, Handler handler, Updater update = {});
    void On(int id, std::function<void()> handler, Updater update = {});

private:
    struct Entry {
        int first, last;
        Handler handler;
        Updater update;
    };
    const Entry* Find(int id) const;
    std::vector<Entry> entries_;
};
