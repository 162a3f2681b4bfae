// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "catalog/form_catalog.h"
#include "cli/answer_json.h"
#include "cli/form_run.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

namespace kavrel::cli {

namespace {

using Json = nlohmann::ordered_json;

// A line is held whole; one longer than this is answered with an error and skipped. Typing
// costs time with the square of a field's length, so the limit also bounds a line's time:
// a list of 64 KiB takes seconds; a problem people write takes a few KiB at most.
constexpr size_t LineLimit = 1 << 16;

enum class LineRead { Line, TooLong, End };

LineRead ReadLine(std::streambuf& in, std::string& line) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    bool any = false, tooLong = false;
    for (Traits::int_type c = in.sbumpc(); !Traits::eq_int_type(c, Traits::eof());
         c = in.sbumpc()) {
        any = true;
        if (c == '\n') break;
        if (line.size() < LineLimit)
            line += Traits::to_char_type(c);
        else
            tooLong = true;
    }
    if (!any) return LineRead::End;
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

bool IsBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

// Reads a problem's members; returns what is wrong with them, as the command line says it.
std::optional<std::string> ReadProblem(const Json& json, std::span<const FormEntry> forms,
                                       Problem& problem) {
    if (!json.is_object()) return "not a JSON object";
    std::optional<std::string> form, today;
    for (const auto& [name, value] : json.items()) {
        std::optional<std::string>* text = name == "form"    ? &form
                                           : name == "solve" ? &problem.solve
                                           : name == "today" ? &today
                                                             : nullptr;
        if (text) {
            if (!value.is_string()) return "'" + name + "' must be a string";
            *text = value.get<std::string>();
        } else if (name == "fields") {
            if (!value.is_object()) return "'fields' must be an object";
            for (const auto& [key, typed] : value.items()) {
                if (!typed.is_string()) return "the value of '" + key + "' must be a string";
                problem.pairs.push_back({key, typed.get<std::string>()});
            }
        } else {
            return "unknown member '" + name + "' (form, solve, today and fields are known)";
        }
    }
    if (!form) return "no form named (kavrel-calc --list shows them)";
    auto found = std::find_if(forms.begin(), forms.end(),
                              [&](const FormEntry& entry) { return entry.slug == *form; });
    if (found == forms.end()) return "unknown form '" + *form + "'";
    problem.entry = &*found;
    if (today && !(problem.today = ParseToday(*today)))
        return "--today needs a valid date M/D/YYYY, not '" + *today + "'";
    return std::nullopt;
}

void AppendError(std::string& json, std::string_view problem) {
    json += std::to_string(UsageStatus);
    json += ",\"error\":";
    AppendJsonString(json, "kavrel-calc: " + std::string(problem));
}

// Appends the answer to a line: its members after "line".
void AppendAnswer(std::string& json, std::string_view line, std::span<const FormEntry> forms,
                  KeyCache& keys, std::ostream& discarded) {
    Json parsed = Json::parse(line.begin(), line.end(), nullptr, false);
    Problem problem;
    std::optional<std::string> problemError =
        parsed.is_discarded() ? "not a JSON object" : ReadProblem(parsed, forms, problem);
    if (problemError) return AppendError(json, *problemError);
    Answer solved = Solve(problem, discarded, &keys);
    if (solved.status == UsageStatus) return AppendError(json, solved.usage);
    json += std::to_string(solved.status);
    json += ',';
    AppendAnswerMembers(json, solved);
}

} // namespace

int RunBatch(std::istream& in, std::ostream& out, std::span<const FormEntry> forms) {
    // Every answer is in the JSON; nothing goes to the error stream.
    std::ostream discarded(nullptr);
    std::streambuf& input = *in.rdbuf();
    KeyCache keys;
    std::string line, answer;
    long long number = 0;
    for (LineRead read; (read = ReadLine(input, line)) != LineRead::End;) {
        ++number;
        if (read == LineRead::Line && IsBlank(line)) continue;
        answer = "{\"line\":" + std::to_string(number) + ",\"exit\":";
        if (read == LineRead::TooLong)
            AppendError(answer, "line longer than " + std::to_string(LineLimit) + " bytes");
        else
            AppendAnswer(answer, line, forms, keys, discarded);
        answer += "}\n";
        out << answer;
        // A program that writes one problem and waits for its answer gets it at once.
        if (input.in_avail() <= 0) out.flush();
        if (!out) return 1;
    }
    out.flush();
    return out ? 0 : 1;
}

} // namespace kavrel::cli
