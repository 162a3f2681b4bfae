#include "program_manager_items.h"

#include "dde_conversation.h"
#include "install_lists.h"
#include "install_texts.h"

namespace kavrel::install {

namespace {

int RunProgramGroupCommands(InstallSession& session, CDdeConversation& conversation) {
    if (conversation.Execute(CreateGroupCommand(kGroupName)) != 0) {
        session.ui.showMessage(text::kCannotMakeGroup, text::kCaptionDdeError,
                               MessageIcon::Warning);
        return 0;
    }
    for (const auto& item : ProgramItemList(session.system.executableSuffix())) {
        if (conversation.Execute(AddItemCommand(session.targetDirectory, item.file, item.title)) !=
            0) {
            session.ui.showMessage(text::kCannotAddItems, text::kCaptionDdeError,
                                   MessageIcon::Warning);
            return 0;
        }
    }
    return 1;
}

} // namespace

int AddProgramManagerItems(InstallSession& session) {
    const std::string manager(kProgramManager);
    auto conversation = OpenDdeConversation(session.system, manager, manager, manager);
    if (!conversation) {
        session.ui.showMessage(text::kWindowsBusy, text::kCaptionDdeError, MessageIcon::Warning);
        return 0;
    }
    if (!session.system.findProgramManagerWindow()) {
        session.ui.showMessage(text::kProgramManagerBusy, text::kCaptionInstallError,
                               MessageIcon::Warning);
        return 0;
    }
    session.system.holdProgramManagerWindow();
    const int result = RunProgramGroupCommands(session, *conversation);
    conversation.reset();
    session.system.releaseProgramManagerWindow();
    return result;
}

} // namespace kavrel::install
