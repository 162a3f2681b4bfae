// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kind and free space of the filesystem that holds (or would hold) a path.

#include "install_platform.h"

#include <optional>
#include <string>

namespace kavrel::install::linux_system {

// The deepest directory of `path` that exists now (the path itself when it exists); empty
// when not even the root can be reached.
std::string NearestExistingAncestor(const std::string& path);

// What kind of filesystem would hold `path`: the one of its nearest existing ancestor.
DriveType FilesystemDriveType(const std::string& path);
std::optional<DiskSpace> FilesystemSpace(const std::string& path);

} // namespace kavrel::install::linux_system
