// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_path.h"

#include "install_lists.h"
#include "install_texts.h"

#include <limits>

namespace kavrel::install {

namespace {

bool IsUsableDrive(DriveType type) {
    return type == DriveType::Removable || type == DriveType::Fixed || type == DriveType::Remote;
}

// NOTE: the drive is checked before the colon, so "1:\x" is a bad drive, not a bad colon.
int CheckDriveLetterPath(IInstallSystem& system, std::string_view text) {
    if (text.empty()) return PathBadDrive;
    if (!IsUsableDrive(system.GetDriveType(DriveRoot(PathStyle::DriveLetter, text))))
        return PathBadDrive;
    if (text.size() < 2 || text[1] != ':') return PathMissingColon;
    if (text.size() < 3 || text[2] != '\\') return PathMissingSeparator;
    return PathAcceptable;
}

int CheckPosixPath(IInstallSystem& system, std::string_view text) {
    if (text.empty()) return PathBadDrive;
    if (text.front() != '/') return PathMissingSeparator;
    if (text.find('%') != std::string_view::npos) return PathHasPercent;
    if (!IsUsableDrive(system.GetDriveType(std::string(text)))) return PathBadDrive;
    return PathAcceptable;
}

} // namespace

char PathSeparator(PathStyle style) {
    return style == PathStyle::DriveLetter ? '\\' : '/';
}

int CheckInstallPath(IInstallSystem& system, std::string_view text) {
    // Refused whole rather than cut: a cut path names a directory the user did not type.
    if (text.size() > MaxTargetLength) return PathTooLong;
    return system.GetPathStyle() == PathStyle::DriveLetter ? CheckDriveLetterPath(system, text)
                                                           : CheckPosixPath(system, text);
}

std::string_view InstallPathMessage(PathStyle style, int check) {
    const bool drive = style == PathStyle::DriveLetter;
    switch (check) {
    case PathBadDrive:
        return drive ? text::DriveLetterIncorrect : text::DriveIncorrect;
    case PathMissingColon:
        return text::MissingColon;
    case PathMissingSeparator:
        return drive ? text::MissingBackslash : text::MissingSlash;
    case PathTooLong:
        return text::PathTooLong;
    case PathHasPercent:
        return text::PathHasPercent;
    default:
        return {};
    }
}

std::string SourceDirectory(PathStyle style, std::string_view ownPath) {
    const auto last = ownPath.rfind(PathSeparator(style));
    return last == std::string_view::npos ? std::string()
                                          : std::string(ownPath.substr(0, last + 1));
}

std::string DriveRoot(PathStyle style, std::string_view target) {
    if (style == PathStyle::DriveLetter)
        return target.empty() ? std::string() : std::string{target.front(), ':', '\\'};
    return target.empty() ? std::string("/") : std::string(target);
}

std::string DriveName(PathStyle style, std::string_view target) {
    if (style == PathStyle::DriveLetter)
        return target.empty() ? std::string() : std::string(1, target.front());
    return DriveRoot(style, target);
}

std::string WithoutTrailingSeparator(PathStyle style, std::string text) {
    if (!text.empty() && text.back() == PathSeparator(style)) text.pop_back();
    return text;
}

std::uint64_t FreeKilobytes(const std::optional<DiskSpace>& space) {
    if (!space) return 0;
    std::uint64_t bytesPerCluster = 0;
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(space->sectorsPerCluster, space->bytesPerSector, &bytesPerCluster) ||
        __builtin_mul_overflow(bytesPerCluster, space->freeClusters, &bytes))
        return std::numeric_limits<std::uint64_t>::max() / 1024;
    return bytes / 1024;
}

} // namespace kavrel::install
