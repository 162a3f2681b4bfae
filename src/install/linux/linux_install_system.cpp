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

std::string CLinuxInstallSystem::GetDefaultTarget() const {
    std::string home;
    if (const char* value = std::getenv("HOME"); value && value[0] == '/')
        home = value;
    else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        home = user->pw_dir;
    while (!home.empty() && home.back() == '/')
        home.pop_back();
    return home + "/Kavrel";
}

DriveType CLinuxInstallSystem::GetDriveType(const std::string& root) {
    return FilesystemDriveType(root);
}

std::optional<DiskSpace> CLinuxInstallSystem::GetDiskFreeSpace(const std::string& root) {
    return FilesystemSpace(root);
}

bool CLinuxInstallSystem::SetCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

bool CLinuxInstallSystem::CreateDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0;
}

bool CLinuxInstallSystem::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileAtomically(from, to) == 0;
}

std::unique_ptr<IProgramGroupLink> CLinuxInstallSystem::ConnectProgramGroup(const std::string&,
                                                                            const std::string&) {
    m_lastError = 0;
    const auto paths = MenuStorePathsFromEnvironment();
    if (!paths) {
        m_lastError = ENOENT;
        return nullptr;
    }
    return OpenMenuStore(*paths, m_lastError);
}

} // namespace kavrel::install::linux_system
