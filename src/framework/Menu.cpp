#include "framework/Menu.h"

#include <algorithm>

void CMenu::AppendCommand(const std::string& text, int id)
{
    items_.push_back({MenuItem::Kind::Command, text, id, nullptr});
}

void CMenu::AppendPopup(const std::string& text, MenuPtr popup)
{
    items_.push_back({MenuItem::Kind::Popup, text, 0, std::move(popup)});
}

void CMenu::AppendSeparator()
{
    items_.push_back({MenuItem::Kind::Separator, {}, 0, nullptr});
}

bool CMenu::ReplaceWithPopup(int position, const std::string& text, MenuPtr popup)
{
    if (position < 0 || position >= Count())
        return false;
    items_[position] = {MenuItem::Kind::Popup, text, 0, std::move(popup)};
    return true;
}

void CMenu::Truncate(int count)
{
    if (count < 0 || count >= Count())
        return;
    items_.resize(static_cast<size_t>(count));
}

int CMenu::FindByText(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].kind != MenuItem::Kind::Separator && items_[i].text == text)
            return i;
    return -1;
}

const MenuItem* CMenu::FindCommand(int id) const
{
    for (const auto& item : items_) {
        if (item.kind == MenuItem::Kind::Command && item.id == id)
            return &item;
        if (item.kind == MenuItem::Kind::Popup && item.popup)
            if (const MenuItem* found = item.popup->FindCommand(id))
                return found;
    }
    return nullptr;
}

MenuPtr CMenu::FirstPopup() const
{
    for (const auto& item : items_)
        if (item.kind == MenuItem::Kind::Popup)
            return item.popup;
    return nullptr;
}

MenuPtr CMenu::Clone(const std::vector<MenuPtr>& shared) const
{
    auto copy = Create();
    copy->items_ = items_;
    for (auto& item : copy->items_) {
        if (!item.popup)
            continue;
        bool isShared = std::find(shared.begin(), shared.end(), item.popup) != shared.end();
        if (!isShared)
            item.popup = item.popup->Clone(shared);
    }
    return copy;
}

std::string PlainMenuText(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&')
            continue;
        plain += text[i];
    }
    return plain;
}
