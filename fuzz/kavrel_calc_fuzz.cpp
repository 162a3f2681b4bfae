// SPDX-License-Identifier: GPL-3.0-or-later
// kavrel-calc's arguments and values, run in-process. The input is the argument list, one
// argument per line. Every run must end with one of the three exit statuses, and a finished
// run must never show an infinite or undefined number.

#include "cli/kavrel_calc.h"
#include "fuzz_check.h"

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

using namespace kavrel;

namespace {

constexpr size_t MaxArguments = 24;

std::vector<std::string> Arguments(std::string_view text) {
    std::vector<std::string> args;
    while (!text.empty() && args.size() < MaxArguments) {
        const size_t end = text.find('\n');
        args.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return args;
}

// "inf" or "nan" standing as a word of its own, as a formatted non-finite number shows.
bool ShowsNonFinite(const std::string& text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view word : {"inf", "nan"})
        for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            const bool startsWord =
                at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
            const size_t after = at + word.size();
            const bool endsWord =
                after == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[after]));
            if (startsWord && endsWord) return true;
        }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::vector<std::string> args = Arguments({reinterpret_cast<const char*>(data), size});
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunKavrelCalc(args, in, out, err);
    FUZZ_CHECK(status == 0 || status == 1 || status == 2);
    // A usage error writes nothing but its complaint.
    if (status == 2) FUZZ_CHECK(out.str().empty() && !err.str().empty());
    if (status == 0) FUZZ_CHECK(!ShowsNonFinite(out.str()));
    return 0;
}
