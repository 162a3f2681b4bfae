// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_manager_items.h"

#include "dde_conversation.h"
#include "install_lists.h"
#include "install_texts.h"

namespace kavrel::install {

namespace {

int RunProgramGroupCommands(InstallSession& session, CDdeConversation& conversation) {
    if (conversation.Execute(CreateGroupCommand(GroupName)) != 0) {
        session.ui.ShowMessage(text::CannotMakeGroup, text::CaptionDdeError, MessageIcon::Warning);
        return 0;
    }
    for (const auto& item : ProgramItemList(session.system.GetExecutableSuffix())) {
        if (conversation.Execute(AddItemCommand(session.targetDirectory, item.file, item.title)) !=
            0) {
            session.ui.ShowMessage(text::CannotAddItems, text::CaptionDdeError,
                                   MessageIcon::Warning);
            return 0;
        }
    }
    return 1;
}

} // namespace

int AddProgramManagerItems(InstallSession& session) {
    const std::string manager(ProgramManagerService);
    auto conversation = OpenDdeConversation(session.system, manager, manager, manager);
    if (!conversation) {
        session.ui.ShowMessage(text::WindowsBusy, text::CaptionDdeError, MessageIcon::Warning);
        return 0;
    }
    if (!session.system.FindProgramManagerWindow()) {
        session.ui.ShowMessage(text::ProgramManagerBusy, text::CaptionInstallError,
                               MessageIcon::Warning);
        return 0;
    }
    session.system.HoldProgramManagerWindow();
    const int result = RunProgramGroupCommands(session, *conversation);
    conversation.reset();
    session.system.ReleaseProgramManagerWindow();
    return result;
}

int AssociateHelpFiles(InstallSession& session) {
    if (session.system.AssociateHelpFiles(session.targetDirectory)) return 1;
    session.ui.ShowMessage(text::CannotAddItems, text::CaptionDdeError, MessageIcon::Warning);
    return 0;
}

} // namespace kavrel::install
