// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer's system on Linux.

#include "desktop_paths.h"
#include "install_platform.h"

#include <string>

namespace kavrel::install::linux_system {

// The path of the running program.
std::string RunningProgramPath();

// Where one user's installation goes.
struct InstallPlaces {
    std::string defaultTarget;
    std::optional<DesktopPaths> desktop; // nullopt when the user's folders cannot be found
};
// Root installs for every user of the system: into /opt, with the system's menu and file
// types. Anyone else installs into their home and their own menu.
InstallPlaces InstallPlacesFor(unsigned userId);

// Files and drives through POSIX calls; the program group through the freedesktop menu.
class CLinuxInstallSystem final : public IInstallSystem {
public:
    CLinuxInstallSystem(std::string ownPath, InstallPlaces places)
        : m_ownPath(std::move(ownPath)), m_places(std::move(places)) {}

    PathStyle GetPathStyle() const override { return PathStyle::Posix; }
    std::string_view GetExecutableSuffix() const override { return {}; }
    std::string GetDefaultTarget() const override { return m_places.defaultTarget; }
    std::string GetOwnPath() const override { return m_ownPath; }

    DriveType GetDriveType(const std::string& root) override;
    std::optional<DiskSpace> GetDiskFreeSpace(const std::string& root) override;

    bool SetCurrentDirectory(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool CanWriteTo(const std::string& directory) override;
    std::optional<std::uint64_t> GetFileSize(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;

    std::unique_ptr<IProgramGroupLink> ConnectProgramGroup(const std::string& service,
                                                           const std::string& topic) override;
    int GetLastProgramGroupError() const override { return m_lastError; }
    // The menu is files, not a running program: there is nothing to start, and no window to
    // restore or to disable while the commands run.
    void StartProgramHidden(const std::string&) override {}
    bool FindProgramManagerWindow() override { return true; }
    void HoldProgramManagerWindow() override {}
    void ReleaseProgramManagerWindow() override {}
    bool AssociateHelpFiles(const std::string& directory) override;

private:
    std::string m_ownPath;
    InstallPlaces m_places;
    int m_lastError = 0;
};

} // namespace kavrel::install::linux_system
