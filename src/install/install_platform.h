// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the installer needs of the system and of the user interface; the real program and
// the tests supply their own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::install {

// How target paths are written: drive letters and backslashes, or POSIX paths.
enum class PathStyle { DriveLetter, Posix };

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk, ReadOnly };

// Free space as the platform reports it; a cluster may be a single filesystem block.
struct DiskSpace {
    std::uint64_t sectorsPerCluster = 0;
    std::uint64_t bytesPerSector = 0;
    std::uint64_t freeClusters = 0;
};

// One connection to the program-group service; destroying it disconnects.
class IProgramGroupLink {
public:
    virtual ~IProgramGroupLink() = default;
    // Runs one command such as [CreateGroup("Kavrel")]; false when the service refused it.
    virtual bool Execute(const std::string& command) = 0;
};

// Files, drives and the program-group service.
class IInstallSystem {
public:
    virtual ~IInstallSystem() = default;

    virtual PathStyle GetPathStyle() const = 0;
    // Appended to the names of the programs that are copied (".exe" or nothing).
    virtual std::string_view GetExecutableSuffix() const = 0;
    virtual std::string GetDefaultTarget() const = 0;
    virtual std::string GetOwnPath() const = 0;

    // `root` is "C:\" for drive letters; a POSIX platform answers for the filesystem that
    // holds the path, or would hold it once created.
    virtual DriveType GetDriveType(const std::string& root) = 0;
    virtual std::optional<DiskSpace> GetDiskFreeSpace(const std::string& root) = 0;

    virtual bool SetCurrentDirectory(const std::string& path) = 0;
    // Creates the last level only; every parent must exist.
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Whether files can be made in an existing directory.
    virtual bool CanWriteTo(const std::string& directory) = 0;
    // nullopt when the file cannot be read.
    virtual std::optional<std::uint64_t> GetFileSize(const std::string& path) = 0;
    // Overwrites an existing target.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;

    virtual std::unique_ptr<IProgramGroupLink> ConnectProgramGroup(const std::string& service,
                                                                   const std::string& topic) = 0;
    // The error code the service left behind with its last failure, 0 when it left none.
    virtual int GetLastProgramGroupError() const = 0;
    virtual void StartProgramHidden(const std::string& program) = 0;
    virtual bool FindProgramManagerWindow() = 0;
    // Restores the manager window, brings it to the top and disables it.
    virtual void HoldProgramManagerWindow() = 0;
    virtual void ReleaseProgramManagerWindow() = 0;
    // Makes the help viewer copied into `directory` (which ends with a separator) the program
    // that opens the program's help files; false when that could not be recorded.
    virtual bool AssociateHelpFiles(const std::string& directory) = 0;
};

enum class MessageIcon { None, Warning, Question };

// The modeless "COPY" dialog; destroying it closes the dialog.
class ICopyDialog {
public:
    virtual ~ICopyDialog() = default;
    virtual void ShowFileName(const std::string& name) = 0;
    // Handles every pending window event, so that Cancel can be pressed between files.
    virtual void ProcessPendingEvents() = 0;
};

// Dialogs, message boxes and beeps.
class IInstallUi {
public:
    virtual ~IInstallUi() = default;

    // Shows "INSTALL" with `target` in its path field. Each OK passes the field's text to
    // `onOk`, which ends the dialog by returning true. Returns false when cancelled.
    virtual bool RunInstallDialog(const std::string& target,
                                  const std::function<bool(const std::string&)>& onOk) = 0;
    // `onCommand` runs for each command of the dialog (its Cancel button, Escape).
    virtual std::unique_ptr<ICopyDialog> OpenCopyDialog(std::function<void()> onCommand) = 0;

    virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    // Question icon with Yes and No, owned by the open "COPY" dialog; true for Yes.
    virtual bool AskYesNo(std::string_view text, std::string_view caption) = 0;
    virtual void Beep() = 0;
};

} // namespace kavrel::install
