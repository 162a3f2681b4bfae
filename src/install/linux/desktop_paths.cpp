// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_paths.h"

#include <cstdlib>

namespace kavrel::install::linux_system {

namespace {

std::optional<std::string> BaseDirectory(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return std::nullopt;
    return std::string(home) + "/" + fallbackUnderHome;
}

} // namespace

std::optional<DesktopPaths> UserDesktopPaths() {
    const auto config = BaseDirectory("XDG_CONFIG_HOME", ".config");
    const auto data = BaseDirectory("XDG_DATA_HOME", ".local/share");
    if (!config || !data) return std::nullopt;
    return DesktopPaths{*config + "/menus/applications-merged", *data + "/applications",
                        *data + "/desktop-directories", *data + "/mime"};
}

DesktopPaths SystemDesktopPaths() {
    return {"/etc/xdg/menus/applications-merged", "/usr/share/applications",
            "/usr/share/desktop-directories", "/usr/share/mime"};
}

} // namespace kavrel::install::linux_system
