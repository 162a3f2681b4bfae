// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of one run of the installer.

#include "install_platform.h"

#include <string>

namespace kavrel::install {

// What one run of the installer works with.
struct InstallSession {
    IInstallSystem& system;
    IInstallUi& ui;
    // Ends with a separator.
    std::string sourceDirectory;
    // Without a trailing separator while it is being chosen; one is appended before copying.
    std::string targetDirectory;
};

} // namespace kavrel::install
