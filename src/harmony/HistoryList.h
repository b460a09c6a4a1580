#pragma once
// The History box's contents: entries oldest first and the one selected.
// The main frame's drop-down list mirrors this.
#include <string>
#include <vector>

class CHistoryList {
public:
    static constexpr int kMaxItems = 50;

    // Replaces the items with every entry and selects the last; the limit
    // applies when recording.
    void Fill(const std::vector<std::string>& entries);
    // Adds entry unless an older item is being looked at or it repeats the
    // newest item; the oldest items go to keep at most kMaxItems. True when added.
    bool Record(const std::string& entry);
    // An index out of range selects the newest item.
    void SetSelection(int index);
    int GetSelection() const { return selection_; }
    // Move the selection one item; false (nothing changed) at either end.
    bool Previous();
    bool Next();

    // The selected item's text; empty when there are no items.
    std::string SelectedText() const;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
    int selection_ = -1;
};
