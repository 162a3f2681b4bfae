#pragma once

#include "install_platform.h"

#include <string>

namespace kavrel::install::linux_system {

// The path of the running program.
std::string RunningProgramPath();

// Files and drives through POSIX calls; the program group through the freedesktop menu.
class LinuxInstallSystem final : public InstallSystem {
public:
    explicit LinuxInstallSystem(std::string ownPath) : ownPath_(std::move(ownPath)) {}

    PathStyle pathStyle() const override { return PathStyle::Posix; }
    std::string_view executableSuffix() const override { return {}; }
    std::string defaultTarget() const override;
    std::string ownPath() const override { return ownPath_; }

    DriveType driveType(const std::string& root) override;
    std::optional<DiskSpace> diskSpace(const std::string& root) override;

    bool changeDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to) override;

    std::unique_ptr<ProgramGroupLink> connectProgramGroup(const std::string& service,
                                                          const std::string& topic) override;
    int programGroupLastError() const override { return lastError_; }
    // The menu is files, not a running program: there is nothing to start, and no window to
    // restore or to disable while the commands run.
    void startProgramHidden(const std::string&) override {}
    bool findProgramManagerWindow() override { return true; }
    void holdProgramManagerWindow() override {}
    void releaseProgramManagerWindow() override {}

private:
    std::string ownPath_;
    int lastError_ = 0;
};

} // namespace kavrel::install::linux_system
