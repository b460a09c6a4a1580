#include "framework/CommandTarget.h"

bool CCommandTarget::OnCommand(int id)
{
    const Entry* entry = Find(id);
    if (!entry)
        return false;
    CommandState state;
    if (entry->update)
        entry->update(id, state);
    if (state.enabled)
        entry->handler(id);
    return true;
}

bool CCommandTarget::OnUpdateCommand(int id, CommandState& state)
{
    const Entry* entry = Find(id);
    if (!entry)
        return false;
    state = CommandState{};
    if (entry->update)
        entry->update(id, state);
    return true;
}

void CCommandTarget::OnRange(int first, int last, Handler handler, Updater update)
{
    entries_.push_back({first, last, std::move(handler), std::move(update)});
}

void CCommandTarget::On(int id, std::function<void()> handler, Updater update)
{
    OnRange(id, id, [h = std::move(handler)](int) { h(); }, std::move(update));
}

const CCommandTarget::Entry* CCommandTarget::Find(int id) const
{
    // Newest first, so a derived class's declaration overrides its base's.
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (id >= it->first && id <= it->last)
            return &*it;
    return nullptr;
}
