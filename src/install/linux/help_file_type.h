// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help files as a type of the shared MIME database, opened by the help viewer.

#include "desktop_paths.h"

#include <string>
#include <string_view>

namespace kavrel::install::linux_system {

// The shared-mime-info package that defines HelpFileType, the same that the packages install.
std::string_view MimePackageText();

// Writes the type and the viewer's desktop entry under `paths`, and rebuilds the MIME database
// and the cache of desktop entries there. 0, or the errno value of the first failure. Without
// update-mime-database or update-desktop-database they wait for the next rebuild, which is no
// failure of the installation.
int RegisterHelpFileType(const DesktopPaths& paths, const std::string& viewerPath);

} // namespace kavrel::install::linux_system
