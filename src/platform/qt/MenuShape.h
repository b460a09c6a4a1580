#pragma once
// What a menu shows, as a flat list that can be compared: a rendered Qt
// menu needs filling again only when the core's menu no longer has its shape.
#include <string>
#include <vector>

#include "framework/Menu.h"

struct MenuShapeItem {
    int depth = 0;  // 0 for the menu's own items, 1 for those of its popups, ...
    MenuItem::Kind kind = MenuItem::Kind::Command;
    std::string text;
    int id = 0;

    bool operator==(const MenuShapeItem&) const = default;
};
using MenuShape = std::vector<MenuShapeItem>;

// Every item, through the popups.
MenuShape ShapeOf(const CMenu& menu);
// Only the menu's own items; a popup counts by its title.
MenuShape TitlesOf(const CMenu& menu);
