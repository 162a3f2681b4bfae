// SPDX-License-Identifier: GPL-3.0-or-later
#include "linux_install_system.h"

#include "atomic_file.h"
#include "filesystem_kind.h"
#include "help_file_type.h"
#include "install_lists.h"
#include "menu_store.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::install::linux_system {

namespace {

std::string HomeOf(unsigned userId) {
    std::string home;
    if (const char* value = std::getenv("HOME"); value && value[0] == '/')
        home = value;
    else if (const passwd* user = ::getpwuid(userId); user && user->pw_dir)
        home = user->pw_dir;
    while (!home.empty() && home.back() == '/')
        home.pop_back();
    return home;
}

} // namespace

std::string RunningProgramPath() {
    std::error_code failure;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", failure);
    return failure ? std::string() : path.string();
}

InstallPlaces InstallPlacesFor(unsigned userId) {
    if (userId == 0) return {"/opt/Kavrel", SystemDesktopPaths()};
    return {HomeOf(userId) + "/Kavrel", UserDesktopPaths()};
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

bool CLinuxInstallSystem::CanWriteTo(const std::string& directory) {
    return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::uint64_t> CLinuxInstallSystem::GetFileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

bool CLinuxInstallSystem::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileAtomically(from, to) == 0;
}

std::unique_ptr<IProgramGroupLink> CLinuxInstallSystem::ConnectProgramGroup(const std::string&,
                                                                            const std::string&) {
    m_lastError = 0;
    if (!m_places.desktop) {
        m_lastError = ENOENT;
        return nullptr;
    }
    return OpenMenuStore(*m_places.desktop, m_lastError);
}

bool CLinuxInstallSystem::AssociateHelpFiles(const std::string& directory) {
    return m_places.desktop &&
           RegisterHelpFileType(*m_places.desktop, directory + std::string(HelpViewerProgram)) == 0;
}

} // namespace kavrel::install::linux_system
