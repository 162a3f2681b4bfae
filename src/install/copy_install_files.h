// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copy of the program's files into the target directory, under the "COPY" dialog.

#include "install_session.h"

namespace kavrel::install {

enum CopyResult : int { CopyDone = 0, CopyFailed = 1, CopyCancelled = 2 };

// Copies InstallFileList from the source to the target directory under the "COPY" dialog.
// Files copied before a failure or a cancel stay where they are.
int CopyInstallFiles(InstallSession& session);

} // namespace kavrel::install
