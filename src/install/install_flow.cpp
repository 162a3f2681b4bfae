#include "install_flow.h"

#include "copy_install_files.h"
#include "install_lists.h"
#include "install_path.h"
#include "install_texts.h"
#include "program_manager_items.h"

namespace kavrel::install {

namespace {

enum class TargetOutcome { Ready, ChooseAgain };

// The field's limit counts characters; a cut inside a UTF-8 sequence would leave a path that
// names no directory the user typed.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == count) break;
    }
    return text.substr(0, end);
}

// Checks the space on the chosen drive and makes sure the directory exists.
TargetOutcome PrepareTarget(InstallSession& session) {
    const PathStyle style = session.system.GetPathStyle();
    const std::string& target = session.targetDirectory;
    if (FreeKilobytes(session.system.GetDiskFreeSpace(DriveRoot(style, target))) <
        RequiredFreeKilobytes) {
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
    return TargetOutcome::Ready;
}

} // namespace

bool AcceptInstallPath(InstallSession& session, const std::string& fieldText) {
    const std::string path = FirstCharacters(fieldText, MaxTargetLength);
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
    if (AddProgramManagerItems(session))
        ui.ShowMessage(text::InstallationComplete, text::CaptionKavrel, MessageIcon::None);
    else
        ui.ShowMessage(text::ProgramGroupProblem, text::CaptionDdeError, MessageIcon::Warning);
}

} // namespace kavrel::install
