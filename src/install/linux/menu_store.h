#pragma once
// The freedesktop menu as the installer's program-group service.

#include "install_platform.h"

#include <memory>
#include <optional>
#include <string>

namespace kavrel::install::linux_system {

// Where the per-user menu lives, after the XDG base-directory rules.
struct MenuStorePaths {
    std::string mergedMenus;        // $XDG_CONFIG_HOME/menus/applications-merged
    std::string applications;       // $XDG_DATA_HOME/applications
    std::string desktopDirectories; // $XDG_DATA_HOME/desktop-directories
};

// Relative XDG values are ignored, as the rules ask; nullopt when neither they nor $HOME
// name a directory.
std::optional<MenuStorePaths> MenuStorePathsFromEnvironment();

// Opens the store, creating its directories; on failure returns nullptr and sets `error`.
// The link records the errno of each failed command in `error`.
std::unique_ptr<IProgramGroupLink> OpenMenuStore(const MenuStorePaths& paths, int& error);

} // namespace kavrel::install::linux_system
