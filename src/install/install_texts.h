#pragma once

#include <string>
#include <string_view>

// The installer's own texts, shown exactly as they stand.
namespace kavrel::install::text {

inline constexpr std::string_view kCaptionKavrel = "Kavrel";
inline constexpr std::string_view kCaptionDataEntry = "Data Entry";
inline constexpr std::string_view kCaptionDriveSpace = "Drive Space";
inline constexpr std::string_view kCaptionDrive = "Drive";
inline constexpr std::string_view kCaptionFileError = "File Error";
inline constexpr std::string_view kCaptionDdeError = "DDE Error";
inline constexpr std::string_view kCaptionInstallError = "Install Error";

inline constexpr std::string_view kDriveLetterIncorrect = "Drive letter incorrect !";
inline constexpr std::string_view kMissingColon = "Missing ':' !";
inline constexpr std::string_view kMissingBackslash = "Missing '\\' !";
inline constexpr std::string_view kDriveIncorrect = "Drive incorrect !";
inline constexpr std::string_view kMissingSlash = "Missing '/' !";

// "%s" stands for the drive letter, or the whole path on a POSIX system.
inline constexpr std::string_view kNotEnoughSpace =
    "Not enough space on '%s' Drive. Please select another drive..";
inline constexpr std::string_view kCannotCreateDirectory =
    "Cannot create directory %s. Please select another name or drive...";
inline constexpr std::string_view kQuitCopy =
    "Installation is not complete! Are you sure you want to quit?";
inline constexpr std::string_view kCopyFailed =
    "An error has occurred during File copying. Check program disks and run Install again...";
inline constexpr std::string_view kWindowsBusy = "Windows is busy. Please run Install again!";
inline constexpr std::string_view kProgramManagerBusy =
    "Windows PM is busy. Please run Install again!";
inline constexpr std::string_view kCannotMakeGroup = "Could not make main menu item!";
inline constexpr std::string_view kCannotAddItems = "Could not add sub-menu items!";
inline constexpr std::string_view kProgramGroupProblem =
    "Problem adding application(s) to Windows Start Menu...\r\n\r\n"
    "Run Install again after re-starting Windows...";
inline constexpr std::string_view kComplete = "Installation is complete";

// The "INSTALL" dialog.
inline constexpr std::string_view kIntroLine1 =
    "A new directory can be created on your hard disk to install this application.";
inline constexpr std::string_view kIntroLine2 =
    "A suggested drive and directory are shown below. If you prefer a different drive and/or";
inline constexpr std::string_view kIntroLine3 = "directory, type in the name below:";
inline constexpr std::string_view kCopyFilesTo = "Copy Files to:";
inline constexpr std::string_view kOk = "&OK";
inline constexpr std::string_view kCancelAccel = "&Cancel";

// The "COPY" dialog.
inline constexpr std::string_view kCopyingFile = "Copying File:";
inline constexpr std::string_view kCancel = "Cancel";

// Replaces the first "%s" of `format` with `value`.
std::string Format(std::string_view format, std::string_view value);

} // namespace kavrel::install::text
