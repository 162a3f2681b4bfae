// SPDX-License-Identifier: GPL-3.0-or-later
#include "dde_conversation.h"

namespace kavrel::install {

bool CDdeConversation::Connect(const std::string& service, const std::string& topic) {
    m_link = m_system.ConnectProgramGroup(service, topic);
    return m_link != nullptr;
}

int CDdeConversation::Execute(const std::string& command) {
    if (m_link && m_link->Execute(command)) return 0;
    // A refused command is a failure even when the service explains nothing.
    const int error = m_system.GetLastProgramGroupError();
    return error != 0 ? error : ExecuteFailedWithoutCode;
}

std::unique_ptr<CDdeConversation>
OpenDdeConversation(IInstallSystem& system, const std::string& service, const std::string& topic,
                    const std::optional<std::string>& programToStart) {
    auto conversation = std::make_unique<CDdeConversation>(system);
    if (conversation->Connect(service, topic)) return conversation;
    conversation.reset();
    if (!programToStart || system.GetLastProgramGroupError() != 0) return nullptr;
    system.StartProgramHidden(*programToStart);
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
