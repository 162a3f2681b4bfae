#include "linux_install_system.h"

#include "atomic_file.h"
#include "filesystem_kind.h"
#include "menu_store.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::install::linux_system {

std::string RunningProgramPath() {
    std::error_code failure;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", failure);
    return failure ? std::string() : path.string();
}

std::string LinuxInstallSystem::defaultTarget() const {
    std::string home;
    if (const char* value = std::getenv("HOME"); value && value[0] == '/')
        home = value;
    else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        home = user->pw_dir;
    while (!home.empty() && home.back() == '/')
        home.pop_back();
    return home + "/Kavrel";
}

DriveType LinuxInstallSystem::driveType(const std::string& root) {
    return FilesystemDriveType(root);
}

std::optional<DiskSpace> LinuxInstallSystem::diskSpace(const std::string& root) {
    return FilesystemSpace(root);
}

bool LinuxInstallSystem::changeDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

bool LinuxInstallSystem::createDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0;
}

bool LinuxInstallSystem::copyFile(const std::string& from, const std::string& to) {
    return CopyFileAtomically(from, to) == 0;
}

std::unique_ptr<ProgramGroupLink> LinuxInstallSystem::connectProgramGroup(const std::string&,
                                                                          const std::string&) {
    lastError_ = 0;
    const auto paths = MenuStorePathsFromEnvironment();
    if (!paths) {
        lastError_ = ENOENT;
        return nullptr;
    }
    return OpenMenuStore(*paths, lastError_);
}

} // namespace kavrel::install::linux_system
