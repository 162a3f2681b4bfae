// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_lists.h"

namespace kavrel::install {

std::vector<std::string> InstallFileList(std::string_view executableSuffix) {
    const std::string suffix(executableSuffix);
    return {"kavrel" + suffix,
            "kavrel.hlp",
            "kavrel.cnt",
            "readme.txt",
            "media.doc",
            "file_id.diz",
            "vendor.txt",
            "overview.txt",
            "version.txt",
            "vendinfo.diz",
            "kavrel-calc" + suffix,
            std::string(HelpViewerProgram) + suffix};
}

std::vector<ProgramItem> ProgramItemList(std::string_view executableSuffix) {
    return {{"kavrel" + std::string(executableSuffix), "Kavrel"},
            {"kavrel.hlp", "Kavrel Help"},
            {"readme.txt", "Documentation"},
            {"media.doc", "Quick Start"},
            {"overview.txt", "Overview"}};
}

} // namespace kavrel::install
