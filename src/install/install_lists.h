#pragma once

#include "install_platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavrel::install {

inline constexpr std::string_view kGroupName = "Kavrel";
inline constexpr std::string_view kProgramManager = "PROGMAN";
inline constexpr std::uint64_t kRequiredFreeKilobytes = 600;
// The length limit of the path field.
inline constexpr std::size_t kMaxTargetLength = 255;

struct ProgramItem {
    std::string file;
    std::string title;
};

// The files copied, in order: the program, its help, the text files, then the command-line
// calculator.
std::vector<std::string> InstallFileList(std::string_view executableSuffix);
std::vector<ProgramItem> ProgramItemList(std::string_view executableSuffix);

} // namespace kavrel::install
