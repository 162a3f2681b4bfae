// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the desktop looks for menus, desktop entries and file types: a user's own folders, or
// the system's for every user.

#include <optional>
#include <string>

namespace kavrel::install::linux_system {

struct DesktopPaths {
    std::string mergedMenus;        // menus/applications-merged of the configuration
    std::string applications;       // desktop entries
    std::string desktopDirectories; // directory entries of the submenus
    std::string mime;               // the shared MIME database
};

// After the XDG base-directory rules: $XDG_CONFIG_HOME and $XDG_DATA_HOME, else under $HOME.
// Relative XDG values are ignored, as the rules ask; nullopt when neither they nor $HOME name
// a directory.
std::optional<DesktopPaths> UserDesktopPaths();
DesktopPaths SystemDesktopPaths();

} // namespace kavrel::install::linux_system
