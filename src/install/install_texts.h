// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer's own texts, shown exactly as they stand.

#include <string>
#include <string_view>

namespace kavrel::install::text {

inline constexpr std::string_view CaptionKavrel = "Kavrel";
inline constexpr std::string_view CaptionDataEntry = "Data Entry";
inline constexpr std::string_view CaptionDriveSpace = "Drive Space";
inline constexpr std::string_view CaptionDrive = "Drive";
inline constexpr std::string_view CaptionFileError = "File Error";
inline constexpr std::string_view CaptionDdeError = "DDE Error";
inline constexpr std::string_view CaptionInstallError = "Install Error";

inline constexpr std::string_view DriveLetterIncorrect = "Drive letter incorrect !";
inline constexpr std::string_view MissingColon = "Missing ':' !";
inline constexpr std::string_view MissingBackslash = "Missing '\\' !";
inline constexpr std::string_view DriveIncorrect = "Drive incorrect !";
inline constexpr std::string_view MissingSlash = "Missing '/' !";
inline constexpr std::string_view PathTooLong = "The path is longer than 255 bytes.";
inline constexpr std::string_view PathHasPercent = "The path cannot contain '%'.";

// "%s" stands for the drive letter, or the whole path on a POSIX system.
inline constexpr std::string_view NotEnoughSpace =
    "Not enough space on '%s' Drive. Please select another drive..";
inline constexpr std::string_view CannotCreateDirectory =
    "Cannot create directory %s. Please select another name or drive...";
inline constexpr std::string_view CannotWriteTo = "Cannot write to '%s'.";
inline constexpr std::string_view QuitCopy =
    "Installation is not complete! Are you sure you want to quit?";
inline constexpr std::string_view FileCopyError =
    "An error has occurred during File copying. Check program disks and run Install again...";
inline constexpr std::string_view WindowsBusy = "Windows is busy. Please run Install again!";
inline constexpr std::string_view ProgramManagerBusy =
    "Windows PM is busy. Please run Install again!";
inline constexpr std::string_view CannotMakeGroup = "Could not make main menu item!";
inline constexpr std::string_view CannotAddItems = "Could not add sub-menu items!";
inline constexpr std::string_view ProgramGroupProblem =
    "Problem adding application(s) to Windows Start Menu...\r\n\r\n"
    "Run Install again after re-starting Windows...";
inline constexpr std::string_view InstallationComplete = "Installation is complete";

// The "INSTALL" dialog.
inline constexpr std::string_view IntroLine1 =
    "A new directory can be created on your hard disk to install this application.";
inline constexpr std::string_view IntroLine2 =
    "A suggested drive and directory are shown below. If you prefer a different drive and/or";
inline constexpr std::string_view IntroLine3 = "directory, type in the name below:";
inline constexpr std::string_view CopyFilesTo = "Copy Files to:";
inline constexpr std::string_view OkButton = "&OK";
inline constexpr std::string_view CancelAccelButton = "&Cancel";

// The "COPY" dialog.
inline constexpr std::string_view CopyingFile = "Copying File:";
inline constexpr std::string_view CancelButton = "Cancel";

// Replaces the first "%s" of `format` with `value`.
std::string Format(std::string_view format, std::string_view value);

} // namespace kavrel::install::text
