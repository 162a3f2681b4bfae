#include "dde_conversation.h"

namespace kavrel::install {

bool CDdeConversation::Connect(const std::string& service, const std::string& topic) {
    link_ = system_.connectProgramGroup(service, topic);
    return link_ != nullptr;
}

int CDdeConversation::Execute(const std::string& command) {
    if (link_ && link_->execute(command)) return 0;
    // A refused command is a failure even when the service explains nothing.
    const int error = system_.programGroupLastError();
    return error != 0 ? error : kExecuteFailedWithoutCode;
}

std::unique_ptr<CDdeConversation>
OpenDdeConversation(InstallSystem& system, const std::string& service, const std::string& topic,
                    const std::optional<std::string>& programToStart) {
    auto conversation = std::make_unique<CDdeConversation>(system);
    if (conversation->Connect(service, topic)) return conversation;
    conversation.reset();
    if (!programToStart || system.programGroupLastError() != 0) return nullptr;
    system.startProgramHidden(*programToStart);
    return OpenDdeConversation(system, service, topic, std::nullopt);
}

std::string CreateGroupCommand(std::string_view group) {
    return "[CreateGroup(\"" + std::string(group) + "\")]";
}

std::string AddItemCommand(std::string_view directory, std::string_view file,
                           std::string_view title) {
    return "[AddItem(\"" + std::string(directory) + std::string(file) + "\",\"" +
           std::string(title) + "\")]";
}

} // namespace kavrel::install
