#pragma once

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
class ProgramGroupLink {
public:
    virtual ~ProgramGroupLink() = default;
    // Runs one command such as [CreateGroup("Kavrel")]; false when the service refused it.
    virtual bool execute(const std::string& command) = 0;
};

// Files, drives and the program-group service.
class InstallSystem {
public:
    virtual ~InstallSystem() = default;

    virtual PathStyle pathStyle() const = 0;
    // Appended to the names of the programs that are copied (".exe" or nothing).
    virtual std::string_view executableSuffix() const = 0;
    virtual std::string defaultTarget() const = 0;
    virtual std::string ownPath() const = 0;

    // `root` is "C:\" for drive letters; a POSIX platform answers for the filesystem that
    // holds the path, or would hold it once created.
    virtual DriveType driveType(const std::string& root) = 0;
    virtual std::optional<DiskSpace> diskSpace(const std::string& root) = 0;

    virtual bool changeDirectory(const std::string& path) = 0;
    // Creates the last level only; every parent must exist.
    virtual bool createDirectory(const std::string& path) = 0;
    // Overwrites an existing target.
    virtual bool copyFile(const std::string& from, const std::string& to) = 0;

    virtual std::unique_ptr<ProgramGroupLink> connectProgramGroup(const std::string& service,
                                                                  const std::string& topic) = 0;
    // The error code the service left behind with its last failure, 0 when it left none.
    virtual int programGroupLastError() const = 0;
    virtual void startProgramHidden(const std::string& program) = 0;
    virtual bool findProgramManagerWindow() = 0;
    // Restores the manager window, brings it to the top and disables it.
    virtual void holdProgramManagerWindow() = 0;
    virtual void releaseProgramManagerWindow() = 0;
};

enum class MessageIcon { None, Warning, Question };

// The modeless "COPY" dialog; destroying it closes the dialog.
class CopyDialog {
public:
    virtual ~CopyDialog() = default;
    virtual void showFileName(const std::string& name) = 0;
    // Handles every pending window event, so that Cancel can be pressed between files.
    virtual void processPendingEvents() = 0;
};

// Dialogs, message boxes and beeps.
class InstallUi {
public:
    virtual ~InstallUi() = default;

    // Shows "INSTALL" with `target` in its path field. Each OK passes the field's text to
    // `onOk`, which ends the dialog by returning true. Returns false when cancelled.
    virtual bool runInstallDialog(const std::string& target,
                                  const std::function<bool(const std::string&)>& onOk) = 0;
    // `onCommand` runs for each command of the dialog (its Cancel button, Escape).
    virtual std::unique_ptr<CopyDialog> openCopyDialog(std::function<void()> onCommand) = 0;

    virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    // Question icon with Yes and No, owned by the open "COPY" dialog; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view caption) = 0;
    virtual void beep() = 0;
};

} // namespace kavrel::install
