// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer from start to end: choosing the target, copying, registering, the last message.

#include "install_session.h"

#include <string>

namespace kavrel::install {

// The "INSTALL" dialog's OK: checks the path, and either stores it as the target (without one
// trailing separator) and returns true, or reports the fault and returns false.
bool AcceptInstallPath(InstallSession& session, const std::string& path);

// The whole installation, from choosing the target to the final message.
void RunInstall(IInstallSystem& system, IInstallUi& ui);

} // namespace kavrel::install
