#pragma once

#include "install_platform.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::install {

// Execute's result for a command that failed without the service leaving an error code.
inline constexpr int kExecuteFailedWithoutCode = -1;

// One client conversation with the program-group service; destroying it disconnects.
class CDdeConversation {
public:
    explicit CDdeConversation(InstallSystem& system) : system_(system) {}

    bool Connect(const std::string& service, const std::string& topic);
    // 0 on success, otherwise the service's error code.
    int Execute(const std::string& command);

private:
    InstallSystem& system_;
    std::unique_ptr<ProgramGroupLink> link_;
};

// Connects to `service`; when that fails without an error code and a program to start is
// given, starts it hidden and tries once more.
std::unique_ptr<CDdeConversation>
OpenDdeConversation(InstallSystem& system, const std::string& service, const std::string& topic,
                    const std::optional<std::string>& programToStart);

std::string CreateGroupCommand(std::string_view group);
// `directory` ends with a separator.
std::string AddItemCommand(std::string_view directory, std::string_view file,
                           std::string_view title);

} // namespace kavrel::install
