#pragma once

#include "install_platform.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavrel::install::testing {

struct FakeDrive {
    DriveType type = DriveType::Fixed;
    std::optional<DiskSpace> space = DiskSpace{8, 512, 1'000'000};
};

// A Windows-like machine: drive letters, backslashes, and Program Manager.
class FakeWindowsSystem final : public InstallSystem {
public:
    FakeWindowsSystem();

    PathStyle pathStyle() const override { return PathStyle::DriveLetter; }
    std::string_view executableSuffix() const override { return ".exe"; }
    std::string defaultTarget() const override { return "C:\\Program Files\\Kavrel"; }
    std::string ownPath() const override { return ownPath_; }

    DriveType driveType(const std::string& root) override;
    std::optional<DiskSpace> diskSpace(const std::string& root) override;
    bool changeDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to) override;

    std::unique_ptr<ProgramGroupLink> connectProgramGroup(const std::string& service,
                                                          const std::string& topic) override;
    int programGroupLastError() const override { return lastError_; }
    void startProgramHidden(const std::string& program) override;
    bool findProgramManagerWindow() override { return managerWindow; }
    void holdProgramManagerWindow() override { windowLog.push_back("hold"); }
    void releaseProgramManagerWindow() override { windowLog.push_back("release"); }

    // Puts every file of the installer's list into the source directory.
    void addSourceFiles();
    std::string ownPath_ = "C:\\Dist\\INSTALL.EXE";

    std::map<char, FakeDrive> drives;
    std::set<std::string> directories;
    std::map<std::string, std::string> files;
    std::vector<std::string> copied; // targets, in order

    // Program Manager.
    bool managerRunning = true;
    bool managerStartsWhenAsked = false;
    int connectError = 0;
    bool managerWindow = true;
    std::optional<std::size_t> failCommandAt; // 0 is CreateGroup
    int commandError = 0;
    std::vector<std::string> commands;
    std::vector<std::string> started;
    std::vector<std::string> windowLog;
    int connections = 0;

private:
    friend class FakeProgramManagerLink;
    int lastError_ = 0;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// A user who answers from a script.
class ScriptedUi final : public InstallUi {
public:
    bool runInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override;
    std::unique_ptr<CopyDialog> openCopyDialog(std::function<void()> onCommand) override;
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view caption) override;
    void beep() override { ++beeps; }

    // Each entry is one press of OK with that text in the path field; nullopt presses Cancel.
    // When the script runs out, the dialog is cancelled.
    std::deque<std::optional<std::string>> dialogAnswers;
    // Cancel is pressed while the file with this index in the list is shown.
    std::set<std::size_t> cancelPressedAt;
    std::deque<bool> quitAnswers;

    std::vector<std::string> offeredTargets;
    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::vector<std::string> shownFiles;
    int beeps = 0;
    int copyDialogsOpen = 0;
};

} // namespace kavrel::install::testing
