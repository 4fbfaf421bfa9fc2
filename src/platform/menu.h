// Menu trees built from tables: items found by name and index, one click handler per tree.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"

namespace platform {

struct MenuItemDef {
    std::string name;
    std::string caption; // "-" makes a separator line
    Shortcut shortcut{};
    int index = -1; // members of an item array carry their index; -1 for single items
    bool checked = false;
    bool enabled = true;
    bool windowList = false; // the open windows are listed at the end of this sub-menu
    std::vector<MenuItemDef> children;
};

// Called with the item's name and its index (-1 outside item arrays).
using MenuHandler = std::function<void(const std::string& name, int index)>;

// One menu tree: a menu bar or a pop-up menu. Its items are numbered in table order; the
// number is the command the windowing system reports for the item.
class Menu {
  public:
    struct Item {
        MenuItemDef def; // children left empty; the tree lives in `children`
        int parent = -1;
        std::vector<int> children;
        bool IsSeparator() const { return def.caption == "-"; }
    };

    Menu(const std::vector<MenuItemDef>& tree, MenuHandler handler);
    virtual ~Menu() = default;

    const std::vector<Item>& Items() const { return items_; }
    const std::vector<int>& TopLevel() const { return top_; }
    // The command number of an item, or -1 when the tree has no such item.
    int Find(std::string_view name, int index = -1) const;

    bool Checked(std::string_view name, int index = -1) const;
    void SetChecked(std::string_view name, bool checked, int index = -1);
    bool Enabled(std::string_view name, int index = -1) const;
    void SetEnabled(std::string_view name, bool enabled, int index = -1);

    // Runs the handler of an item chosen by the user; disabled items, separators and
    // sub-menu headings do nothing. Returns whether a handler ran.
    bool Choose(int command);
    // The command bound to a shortcut key, enabled or not, or -1.
    int FindShortcut(Shortcut shortcut) const;
    // Presses a shortcut key: runs the bound item's handler unless it is disabled (or inside a
    // disabled sub-menu). Returns whether one ran.
    bool PressShortcut(Shortcut shortcut) { return Choose(FindShortcut(shortcut)); }

    // The user opens the sub-menu of an item: raises onOpen before the sub-menu is drawn, so
    // that the program can set its items' states. Does nothing for an item without children.
    void Open(int command);
    // Called with the opened item's name and index, like the click handler.
    MenuHandler onOpen;

  protected:
    // The windowing system's copy of the menu follows the model through this hook.
    virtual void ItemChanged(int /*command*/) {}

  private:
    int Add(const MenuItemDef& def, int parent);
    int Require(std::string_view name, int index) const;

    std::vector<Item> items_;
    std::vector<int> top_;
    MenuHandler handler_;
};

} // namespace platform
