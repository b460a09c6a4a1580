#include "framework/RecentFileList.h"

#include <algorithm>

#include "framework/Settings.h"

namespace {

std::string EntryKey(int index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

void CRecentFileList::Load()
{
    paths_.clear();
    for (int i = 0; i < kCapacity; ++i) {
        std::string path = settings_.GetString(kSection, EntryKey(i), "");
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(path);
    }
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty() || frozen_)
        return;
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (static_cast<int>(paths_.size()) > kCapacity)
        paths_.resize(kCapacity);
    Save();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= static_cast<int>(paths_.size()))
        return;
    paths_.erase(paths_.begin() + index);
    Save();
}

void CRecentFileList::Save() const
{
    for (int i = 0; i < kCapacity; ++i)
        settings_.WriteString(kSection, EntryKey(i), i < static_cast<int>(paths_.size()) ? paths_[i] : "");
    settings_.Flush();
}
