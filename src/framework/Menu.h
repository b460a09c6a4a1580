#pragma once
// Menus are plain data built at run time; a toolkit renders them and sends
// the chosen item's command id back to the application.
#include <memory>
#include <string>
#include <vector>

class CMenu;
using MenuPtr = std::shared_ptr<CMenu>;

struct MenuItem {
    enum class Kind { Command, Popup, Separator };
    Kind kind = Kind::Command;
    std::string text;  // may carry "&" mnemonics and a "\t" accelerator text
    int id = 0;        // command id of a Command item
    MenuPtr popup;     // submenu of a Popup item
};

class CMenu {
public:
    static MenuPtr Create() { return std::make_shared<CMenu>(); }

    void AppendCommand(const std::string& text, int id);
    void AppendPopup(const std::string& text, MenuPtr popup);
    void AppendSeparator();
    // Replaces the item at position by a popup; false when out of range.
    bool ReplaceWithPopup(int position, const std::string& text, MenuPtr popup);
    // Position of the first item with exactly this text, or -1.
    int FindByText(const std::string& text) const;
    // The first command item with this id, searched through submenus.
    const MenuItem* FindCommand(int id) const;
    // The submenu of the first popup item, as a context menu shows it; null when none.
    MenuPtr FirstPopup() const;
    // A deep copy whose popups are copied too, except those listed as shared.
    MenuPtr Clone(const std::vector<MenuPtr>& shared = {}) const;
    // Drops the items from position count on.
    void Truncate(int count);

    int Count() const { return static_cast<int>(items_.size()); }
    const MenuItem& At(int position) const { return items_.at(position); }
    const std::vector<MenuItem>& Items() const { return items_; }

private:
    std::vector<MenuItem> items_;
};

// The menu text without "&" mnemonics and without the accelerator after "\t".
std::string PlainMenuText(const std::string& text);
