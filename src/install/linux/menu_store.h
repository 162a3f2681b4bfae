// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The freedesktop menu as the installer's program-group service.

#include "desktop_paths.h"
#include "install_platform.h"

#include <memory>
#include <string>

namespace kavrel::install::linux_system {

// Opens the store, creating its directories; on failure returns nullptr and sets `error`.
// The link records the errno of each failed command in `error`.
std::unique_ptr<IProgramGroupLink> OpenMenuStore(const DesktopPaths& paths, int& error);

} // namespace kavrel::install::linux_system
