// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus, accelerators and toolbar as data: labels with their mnemonics
// and shortcut texts, and each command's status-bar prompt.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace kavrel {

struct MenuItemSpec {
    int id = 0;                      // 0: a separator, or a submenu when items are given
    std::string_view label;          // "&" marks the mnemonic, a tab the shortcut text
    std::vector<MenuItemSpec> items; // a submenu's items
};

struct MenuSpec {
    std::string_view title;
    std::vector<MenuItemSpec> items;
};

const std::vector<MenuSpec>& MainMenus();

// The keys of a command: its accelerators in order, the first one shown in the menu.
QList<QKeySequence> CommandShortcuts(int id);

// The toolbar's slots in order; 0 is a separator.
std::span<const int> ToolbarCommands();
// The resource path of a toolbar command's icon.
QString ToolbarIcon(int id);

// A command's status-bar prompt: its string-table text, or the framework's own prompt for
// the standard commands.
QString CommandPrompt(int id);

} // namespace kavrel
