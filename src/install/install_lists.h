#pragma once
// What the installer copies and which program-group items it adds.

#include "install_platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavrel::install {

inline constexpr std::string_view GroupName = "Kavrel";
inline constexpr std::string_view ProgramManagerService = "PROGMAN";
inline constexpr std::uint64_t RequiredFreeKilobytes = 600;
// The length limit of the path field.
inline constexpr std::size_t MaxTargetLength = 255;

struct ProgramItem {
    std::string file;
    std::string title;
};

// The files copied, in order: the program, its help, the text files, then the command-line
// calculator.
std::vector<std::string> InstallFileList(std::string_view executableSuffix);
std::vector<ProgramItem> ProgramItemList(std::string_view executableSuffix);

} // namespace kavrel::install
