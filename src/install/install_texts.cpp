// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_texts.h"

#include <string>

namespace kavrel::install::text {

std::string Format(std::string_view format, std::string_view value) {
    std::string result(format);
    if (const auto at = result.find("%s"); at != std::string::npos) result.replace(at, 2, value);
    return result;
}

} // namespace kavrel::install::text
