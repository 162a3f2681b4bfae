#include "install_path.h"

#include "install_texts.h"

#include <limits>

namespace kavrel::install {

namespace {

bool IsUsableDrive(DriveType type) {
    return type == DriveType::Removable || type == DriveType::Fixed || type == DriveType::Remote;
}

// NOTE: the drive is checked before the colon, so "1:\x" is a bad drive, not a bad colon.
int CheckDriveLetterPath(InstallSystem& system, std::string_view text) {
    if (text.empty()) return kPathBadDrive;
    if (!IsUsableDrive(system.driveType(DriveRoot(PathStyle::DriveLetter, text))))
        return kPathBadDrive;
    if (text.size() < 2 || text[1] != ':') return kPathMissingColon;
    if (text.size() < 3 || text[2] != '\\') return kPathMissingSeparator;
    return kPathAcceptable;
}

int CheckPosixPath(InstallSystem& system, std::string_view text) {
    if (text.empty()) return kPathBadDrive;
    if (text.front() != '/') return kPathMissingSeparator;
    if (!IsUsableDrive(system.driveType(std::string(text)))) return kPathBadDrive;
    return kPathAcceptable;
}

} // namespace

char PathSeparator(PathStyle style) {
    return style == PathStyle::DriveLetter ? '\\' : '/';
}

int CheckInstallPath(InstallSystem& system, std::string_view text) {
    return system.pathStyle() == PathStyle::DriveLetter ? CheckDriveLetterPath(system, text)
                                                        : CheckPosixPath(system, text);
}

std::string_view InstallPathMessage(PathStyle style, int check) {
    const bool drive = style == PathStyle::DriveLetter;
    switch (check) {
    case kPathBadDrive:
        return drive ? text::kDriveLetterIncorrect : text::kDriveIncorrect;
    case kPathMissingColon:
        return text::kMissingColon;
    case kPathMissingSeparator:
        return drive ? text::kMissingBackslash : text::kMissingSlash;
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
