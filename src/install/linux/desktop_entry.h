// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The freedesktop files the installer writes: desktop entries, directory entries and the
// merged menu, and the program-group commands they are made from.

#include <optional>
#include <string>
#include <string_view>

namespace kavrel::install::linux_system {

// A program-group command as the installer writes it.
struct ProgramGroupCommand {
    enum class Kind { CreateGroup, AddItem };
    Kind kind = Kind::CreateGroup;
    std::string group; // CreateGroup
    std::string path;  // AddItem
    std::string title; // AddItem
};

// Reads [CreateGroup("name")] and [AddItem("path","title")]; nullopt for anything else.
std::optional<ProgramGroupCommand> ParseProgramGroupCommand(std::string_view command);

// File-name part for a group or an item title: lower-case letters, digits and dashes.
std::string MenuSlug(std::string_view name);
// The desktop category that files an entry under the group's submenu.
std::string GroupCategory(std::string_view group);

// A value of a desktop entry key, with backslashes and control characters escaped.
std::string EscapeDesktopValue(std::string_view value);
// One argument of an Exec line, quoted so that any path survives.
std::string QuoteExecArgument(std::string_view argument);
std::string EscapeXml(std::string_view text);

std::string DirectoryEntryText(std::string_view group);
// The submenu of the applications menu that shows every entry of the group's category.
std::string MergedMenuText(std::string_view group);
// Programs are run; anything else is opened with the help viewer in the same directory.
std::string ItemEntryText(std::string_view group, std::string_view path, std::string_view title,
                          bool executable);

// The type of the program's help files in the shared MIME database.
inline constexpr std::string_view HelpFileType = "application/x-kavrel-help";
// The desktop entry that makes the help viewer open files of HelpFileType; it is not shown in
// menus. Its name is the one the packages give it, so that a user's own copy overrides theirs.
inline constexpr std::string_view HelpViewerEntryName = "org.kavrel.KavrelHelp.desktop";
std::string HelpViewerEntryText(std::string_view viewerPath);

} // namespace kavrel::install::linux_system
