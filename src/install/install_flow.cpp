// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_flow.h"

#include "copy_install_files.h"
#include "install_lists.h"
#include "install_path.h"
#include "install_texts.h"
#include "program_manager_items.h"

namespace kavrel::install {

namespace {

enum class TargetOutcome { Ready, ChooseAgain };

// What the copy needs: the files as they are in the source directory, in whole kilobytes. A
// file that cannot be read counts as none; its copy fails later with its own message.
std::uint64_t PayloadKilobytes(const InstallSession& session) {
    std::uint64_t bytes = 0;
    for (const auto& name : InstallFileList(session.system.GetExecutableSuffix()))
        bytes += session.system.GetFileSize(session.sourceDirectory + name).value_or(0);
    return bytes / 1024 + (bytes % 1024 != 0);
}

// Checks the space on the chosen drive and makes sure the directory exists and takes files,
// so that a copy does not stop half-way for a reason known beforehand.
TargetOutcome PrepareTarget(InstallSession& session) {
    const PathStyle style = session.system.GetPathStyle();
    const std::string& target = session.targetDirectory;
    if (FreeKilobytes(session.system.GetDiskFreeSpace(DriveRoot(style, target))) <
        PayloadKilobytes(session)) {
        session.ui.ShowMessage(text::Format(text::NotEnoughSpace, DriveName(style, target)),
                               text::CaptionDriveSpace, MessageIcon::Warning);
        return TargetOutcome::ChooseAgain;
    }
    // The root of a POSIX system is stored as the empty text.
    const std::string directory = target.empty() ? std::string(1, PathSeparator(style)) : target;
    if (!session.system.SetCurrentDirectory(directory) &&
        !session.system.CreateDirectory(directory)) {
        session.ui.ShowMessage(text::Format(text::CannotCreateDirectory, directory),
                               text::CaptionDrive, MessageIcon::Warning);
        return TargetOutcome::ChooseAgain;
    }
    if (!session.system.CanWriteTo(directory)) {
        session.ui.ShowMessage(text::Format(text::CannotWriteTo, directory), text::CaptionDrive,
                               MessageIcon::Warning);
        return TargetOutcome::ChooseAgain;
    }
    return TargetOutcome::Ready;
}

} // namespace

bool AcceptInstallPath(InstallSession& session, const std::string& path) {
    const PathStyle style = session.system.GetPathStyle();
    if (const int check = CheckInstallPath(session.system, path); check != PathAcceptable) {
        session.ui.Beep();
        session.ui.ShowMessage(InstallPathMessage(style, check), text::CaptionDataEntry,
                               MessageIcon::Warning);
        return false;
    }
    session.targetDirectory = WithoutTrailingSeparator(style, path);
    return true;
}

void RunInstall(IInstallSystem& system, IInstallUi& ui) {
    const PathStyle style = system.GetPathStyle();
    InstallSession session{system, ui, SourceDirectory(style, system.GetOwnPath()),
                           system.GetDefaultTarget()};
    const auto onOk = [&](const std::string& fieldText) {
        return AcceptInstallPath(session, fieldText);
    };
    do {
        if (!ui.RunInstallDialog(session.targetDirectory, onOk)) return;
    } while (PrepareTarget(session) == TargetOutcome::ChooseAgain);

    session.targetDirectory += PathSeparator(style);
    switch (CopyInstallFiles(session)) {
    case CopyCancelled:
        return;
    case CopyFailed:
        ui.ShowMessage(text::FileCopyError, text::CaptionFileError, MessageIcon::Warning);
        return;
    default:
        break;
    }
    if (AddProgramManagerItems(session) && AssociateHelpFiles(session))
        ui.ShowMessage(text::InstallationComplete, text::CaptionKavrel, MessageIcon::None);
    else
        ui.ShowMessage(text::ProgramGroupProblem, text::CaptionDdeError, MessageIcon::Warning);
}

} // namespace kavrel::install
