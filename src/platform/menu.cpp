// The menu model that the windowing system's menus follow.
#include "platform/menu.h"

#include <stdexcept>

namespace platform {

Menu::Menu(const std::vector<MenuItemDef>& tree, MenuHandler handler)
    : handler_(std::move(handler)) {
    for (const auto& def : tree)
        top_.push_back(Add(def, -1));
}

int Menu::Add(const MenuItemDef& def, int parent) {
    int id = static_cast<int>(items_.size());
    Item item;
    item.def = def;
    item.def.children.clear();
    item.parent = parent;
    items_.push_back(std::move(item));
    for (const auto& child : def.children) {
        int childId = Add(child, id);
        items_[id].children.push_back(childId);
    }
    return id;
}

int Menu::Find(std::string_view name, int index) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].def.name == name && items_[i].def.index == index) return static_cast<int>(i);
    return -1;
}

int Menu::Require(std::string_view name, int index) const {
    int id = Find(name, index);
    if (id < 0) throw std::out_of_range("no menu item " + std::string(name));
    return id;
}

bool Menu::Checked(std::string_view name, int index) const {
    return items_[Require(name, index)].def.checked;
}

void Menu::SetChecked(std::string_view name, bool checked, int index) {
    int id = Require(name, index);
    items_[id].def.checked = checked;
    ItemChanged(id);
}

bool Menu::Enabled(std::string_view name, int index) const {
    return items_[Require(name, index)].def.enabled;
}

void Menu::SetEnabled(std::string_view name, bool enabled, int index) {
    int id = Require(name, index);
    items_[id].def.enabled = enabled;
    ItemChanged(id);
}

bool Menu::Choose(int command) {
    if (command < 0 || command >= static_cast<int>(items_.size())) return false;
    // An item inside a disabled sub-menu cannot be reached either.
    for (int id = command; id >= 0; id = items_[id].parent)
        if (!items_[id].def.enabled) return false;
    const Item& item = items_[command];
    if (item.IsSeparator() || !item.children.empty()) return false;
    // Copy what the handler needs: it may rebuild or destroy this menu.
    std::string name = item.def.name;
    int index = item.def.index;
    MenuHandler handler = handler_;
    if (handler) handler(name, index);
    return true;
}

void Menu::Open(int command) {
    if (command < 0 || command >= static_cast<int>(items_.size())) return;
    if (items_[command].children.empty()) return;
    std::string name = items_[command].def.name;
    int index = items_[command].def.index;
    MenuHandler handler = onOpen;
    if (handler) handler(name, index);
}

int Menu::FindShortcut(Shortcut shortcut) const {
    if (shortcut.Empty()) return -1;
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].def.shortcut == shortcut) return static_cast<int>(i);
    return -1;
}

} // namespace platform
