// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Windows-like machine with Program Manager, and a user who answers from a script; both
// write what they are asked to do into one transcript.

#include "install_lists.h"
#include "install_platform.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavrel::install::testing {

class FakeWindowsSystem final : public IInstallSystem, public IInstallUi {
public:
    PathStyle GetPathStyle() const override { return PathStyle::DriveLetter; }
    std::string_view GetExecutableSuffix() const override { return ".exe"; }
    std::string GetDefaultTarget() const override { return "C:\\Program Files\\Kavrel"; }
    std::string GetOwnPath() const override { return "C:\\Dist\\INSTALL.EXE"; }
    DriveType GetDriveType(const std::string& root) override {
        const bool letter = root.size() == 3 && root.substr(1) == ":\\" && drives.contains(root[0]);
        return letter ? drives.at(root[0]) : DriveType::NoRootDir;
    }
    std::optional<DiskSpace> GetDiskFreeSpace(const std::string& root) override {
        if (root != "D:\\") return DiskSpace{8, 512, 1'000'000};
        return freeOnD ? std::optional<DiskSpace>({1, 1024, *freeOnD}) : std::nullopt;
    }
    bool SetCurrentDirectory(const std::string& path) override { return dirs.contains(path); }
    bool CreateDirectory(const std::string& path) override {
        return dirs.contains(path.substr(0, path.rfind('\\'))) && dirs.insert(path).second;
    }
    bool CanWriteTo(const std::string& directory) override { return !readOnly.contains(directory); }
    std::optional<std::uint64_t> GetFileSize(const std::string& path) override {
        if (!files.contains(path)) return std::nullopt;
        return files.at(path).size();
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        if (!files.contains(from) || !dirs.contains(to.substr(0, to.rfind('\\')))) return false;
        files[to] = files.at(from);
        copied.push_back(to);
        return true;
    }
    std::unique_ptr<IProgramGroupLink> ConnectProgramGroup(const std::string&,
                                                           const std::string&) override {
        m_lastError = managerRunning ? 0 : connectError;
        return managerRunning ? std::make_unique<Link>(*this) : nullptr;
    }
    int GetLastProgramGroupError() const override { return m_lastError; }
    void StartProgramHidden(const std::string& program) override {
        log.push_back("start " + program);
        managerRunning = managerStartsWhenAsked;
    }
    bool FindProgramManagerWindow() override { return managerWindow; }
    void HoldProgramManagerWindow() override { log.push_back("hold"); }
    void ReleaseProgramManagerWindow() override { log.push_back("release"); }
    bool AssociateHelpFiles(const std::string&) override { return !associationRefused; }

    // Each answer is one OK with that text in the path field; nullopt, or none left, is Cancel.
    bool RunInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override {
        log.push_back("dialog " + target);
        while (!answers.empty()) {
            const auto answer = answers.front();
            answers.erase(answers.begin());
            if (!answer || onOk(*answer)) return answer.has_value();
        }
        return false;
    }
    std::unique_ptr<ICopyDialog> OpenCopyDialog(std::function<void()> onCommand) override {
        return std::make_unique<CopyDialog>(*this, std::move(onCommand));
    }
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon) override {
        log.push_back(std::string(caption) + ": " + std::string(text));
    }
    bool AskYesNo(std::string_view text, std::string_view caption) override {
        log.push_back("? " + std::string(caption) + ": " + std::string(text));
        return cancelAt.at(shown - 1);
    }
    void Beep() override { ++beeps; }

    std::map<char, DriveType> drives = {{'A', DriveType::Removable}, {'C', DriveType::Fixed},
                                        {'D', DriveType::Fixed},     {'E', DriveType::CdRom},
                                        {'N', DriveType::Remote},    {'R', DriveType::RamDisk}};
    std::set<std::string> dirs = {"C:", "C:\\Program Files", "C:\\Dist", "D:", "D:\\Apps"};
    std::set<std::string> readOnly;
    std::map<std::string, std::string> files = [] {
        std::map<std::string, std::string> source;
        for (const auto& name : InstallFileList(".exe"))
            source["C:\\Dist\\" + name] = "new " + name;
        return source;
    }();
    std::optional<std::uint64_t> freeOnD = 1'000'000;
    bool managerRunning = true, managerStartsWhenAsked = false, managerWindow = true;
    bool associationRefused = false;
    int connectError = 0, commandError = 0;
    std::optional<std::size_t> failCommandAt; // 0 is CreateGroup
    std::vector<std::optional<std::string>> answers;
    std::map<std::size_t, bool> cancelAt; // Cancel while file [i] is shown; true quits

    std::vector<std::string> log, copied, commands;
    std::size_t shown = 0; // files shown so far
    int beeps = 0, copyDialogsOpen = 0;

private:
    struct Link final : IProgramGroupLink {
        explicit Link(FakeWindowsSystem& s) : system(s) {}
        bool Execute(const std::string& command) override {
            system.commands.push_back(command);
            if (system.failCommandAt != system.commands.size() - 1) return true;
            system.m_lastError = system.commandError;
            return false;
        }
        FakeWindowsSystem& system;
    };
    struct CopyDialog final : ICopyDialog {
        CopyDialog(FakeWindowsSystem& s, std::function<void()> c) : ui(s), onCommand(std::move(c)) {
            ++ui.copyDialogsOpen;
        }
        ~CopyDialog() override { --ui.copyDialogsOpen; }
        void ShowFileName(const std::string&) override { ++ui.shown; }
        void ProcessPendingEvents() override {
            if (ui.cancelAt.contains(ui.shown - 1)) onCommand();
        }
        FakeWindowsSystem& ui;
        std::function<void()> onCommand;
    };
    int m_lastError = 0;
};

} // namespace kavrel::install::testing
