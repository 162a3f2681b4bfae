// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the installer copies and which program-group items it adds.

#include "install_platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavrel::install {

inline constexpr std::string_view GroupName = "Kavrel";
inline constexpr std::string_view ProgramManagerService = "PROGMAN";
// The longest target path, in bytes.
inline constexpr std::size_t MaxTargetLength = 255;
// Shows the help file and the text files; the desktop's items open them with it.
inline constexpr std::string_view HelpViewerProgram = "kavrel-help";

struct ProgramItem {
    std::string file;
    std::string title;
};

// The files copied, in order: the program, its help, the text files, then the command-line
// calculator and the help viewer.
std::vector<std::string> InstallFileList(std::string_view executableSuffix);
std::vector<ProgramItem> ProgramItemList(std::string_view executableSuffix);

} // namespace kavrel::install
