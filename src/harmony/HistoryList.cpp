#include "harmony/HistoryList.h"

void CHistoryList::Fill(const std::vector<std::string>& entries)
{
    items_ = entries;
    selection_ = Count() - 1;
}

bool CHistoryList::Record(const std::string& entry)
{
    if (selection_ != Count() - 1)
        return false;
    if (!items_.empty() && items_.back() == entry)
        return false;
    while (Count() >= kMaxItems)
        items_.erase(items_.begin());
    items_.push_back(entry);
    selection_ = Count() - 1;
    return true;
}

void CHistoryList::SetSelection(int index)
{
    selection_ = (index < 0 || index >= Count()) ? Count() - 1 : index;
}

bool CHistoryList::Previous()
{
    if (selection_ <= 0)
        return false;
    --selection_;
    return true;
}

bool CHistoryList::Next()
{
    if (selection_ >= Count() - 1)
        return false;
    ++selection_;
    return true;
}

std::string CHistoryList::SelectedText() const
{
    if (selection_ < 0 || selection_ >= Count())
        return {};
    return items_[static_cast<std::size_t>(selection_)];
}
