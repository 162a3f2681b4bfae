// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks and pieces of the target path, for drive-letter and POSIX systems.

#include "install_platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::install {

// Results of CheckInstallPath.
enum InstallPathCheck : int {
    PathAcceptable = 0,
    PathBadDrive = 1,
    PathMissingColon = 2,
    PathMissingSeparator = 3,
    PathTooLong = 4,
    PathHasPercent = 5, // POSIX only: desktop entries cannot launch such paths
};

char PathSeparator(PathStyle style);

int CheckInstallPath(IInstallSystem& system, std::string_view text);
std::string_view InstallPathMessage(PathStyle style, int check);

// The directory of `ownPath`, up to and including its last separator.
std::string SourceDirectory(PathStyle style, std::string_view ownPath);
// What the free space is asked of: "C:\" for a drive letter, the path itself on POSIX.
std::string DriveRoot(PathStyle style, std::string_view target);
// How the drive is named in the free-space message.
std::string DriveName(PathStyle style, std::string_view target);
std::string WithoutTrailingSeparator(PathStyle style, std::string text);
// Whole kilobytes; unreadable space counts as none, and an absurdly large report saturates
// rather than wrapping round to a small number.
std::uint64_t FreeKilobytes(const std::optional<DiskSpace>& space);

} // namespace kavrel::install
