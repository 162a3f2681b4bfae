#pragma once
// A Windows-like machine and a user who answers from a script, for the installer's tests.

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
class FakeWindowsSystem final : public IInstallSystem {
public:
    FakeWindowsSystem();

    PathStyle GetPathStyle() const override { return PathStyle::DriveLetter; }
    std::string_view GetExecutableSuffix() const override { return ".exe"; }
    std::string GetDefaultTarget() const override { return "C:\\Program Files\\Kavrel"; }
    std::string GetOwnPath() const override { return "C:\\Dist\\INSTALL.EXE"; }

    DriveType GetDriveType(const std::string& root) override;
    std::optional<DiskSpace> GetDiskFreeSpace(const std::string& root) override;
    bool SetCurrentDirectory(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool CanWriteTo(const std::string& directory) override { return !readOnly.contains(directory); }
    std::optional<std::uint64_t> GetFileSize(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;

    std::unique_ptr<IProgramGroupLink> ConnectProgramGroup(const std::string& service,
                                                           const std::string& topic) override;
    int GetLastProgramGroupError() const override { return m_lastError; }
    void StartProgramHidden(const std::string& program) override;
    bool FindProgramManagerWindow() override { return managerWindow; }
    void HoldProgramManagerWindow() override { windowLog.push_back("hold"); }
    void ReleaseProgramManagerWindow() override { windowLog.push_back("release"); }
    bool AssociateHelpFiles(const std::string&) override { return !associationRefused; }

    // Puts every file of the installer's list into the source directory.
    void AddSourceFiles();

    std::map<char, FakeDrive> drives;
    std::set<std::string> directories;
    std::set<std::string> readOnly;
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
    bool associationRefused = false;
    int connections = 0;

private:
    friend class FakeProgramManagerLink;
    int m_lastError = 0;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// A user who answers from a script.
class ScriptedUi final : public IInstallUi {
public:
    bool RunInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override;
    std::unique_ptr<ICopyDialog> OpenCopyDialog(std::function<void()> onCommand) override;
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;
    void Beep() override { ++beeps; }

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
