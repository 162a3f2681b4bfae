// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversation with the program-group service and the two commands the installer sends.

#include "install_platform.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::install {

// Execute's result for a command that failed without the service leaving an error code.
inline constexpr int ExecuteFailedWithoutCode = -1;

// One client conversation with the program-group service; destroying it disconnects.
class CDdeConversation {
public:
    explicit CDdeConversation(IInstallSystem& system) : m_system(system) {}

    bool Connect(const std::string& service, const std::string& topic);
    // 0 on success, otherwise the service's error code.
    int Execute(const std::string& command);

private:
    IInstallSystem& m_system;
    std::unique_ptr<IProgramGroupLink> m_link;
};

// Connects to `service`; when that fails without an error code and a program to start is
// given, starts it hidden and tries once more.
std::unique_ptr<CDdeConversation>
OpenDdeConversation(IInstallSystem& system, const std::string& service, const std::string& topic,
                    const std::optional<std::string>& programToStart);

std::string CreateGroupCommand(std::string_view group);
// `directory` ends with a separator.
std::string AddItemCommand(std::string_view directory, std::string_view file,
                           std::string_view title);

} // namespace kavrel::install
