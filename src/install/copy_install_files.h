#pragma once

#include "install_session.h"

namespace kavrel::install {

enum CopyResult : int { kCopyDone = 0, kCopyFailed = 1, kCopyCancelled = 2 };

// Copies InstallFileList from the source to the target directory under the "COPY" dialog.
// Files copied before a failure or a cancel stay where they are.
int CopyInstallFiles(InstallSession& session);

} // namespace kavrel::install
