// The menus' commands: one table from a menu item's name to what it does, shared by the three
// menu trees. An item whose name stands in several trees runs the same command everywhere.
#pragma once
#include <span>
#include <string_view>

#include "core/document.h"
#include "core/program.h"

namespace app {

// What a menu item does. `doc` is the document window whose menu bar holds the item; null for
// the frame's bar and the tray menu. Members of item arrays get their index, other items -1.
using Command = void (*)(core::Program& program, core::Document* doc, int index);

struct CommandEntry {
    std::string_view item;
    Command run;
};

// The whole table, for the tests that check it against the menu trees.
std::span<const CommandEntry> Commands();

// The command of an item name; null for headings, separators and unknown names.
Command FindCommand(std::string_view item);

// Runs the command of a menu item, if it has one.
void RunCommand(core::Program& program, core::Document* doc, std::string_view item, int index);

} // namespace app
