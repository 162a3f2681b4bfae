// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/answer_json.h"

#include "cli/form_run.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace kavrel::cli {

namespace {

bool NeedsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

} // namespace

void AppendJsonString(std::string& json, std::string_view text) {
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        // Beyond ASCII the library checks the UTF-8 and replaces what is not.
        json += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return;
    }
    static constexpr char Hex[] = "0123456789abcdef";
    json += '"';
    while (!text.empty()) {
        auto special = std::find_if(text.begin(), text.end(), NeedsEscape);
        json.append(text.begin(), special);
        if (special == text.end()) break;
        switch (*special) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\b':
            json += "\\b";
            break;
        case '\f':
            json += "\\f";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            json += "\\u00";
            json += Hex[(*special >> 4) & 0xf];
            json += Hex[*special & 0xf];
            break;
        }
        text.remove_prefix(static_cast<size_t>(special - text.begin()) + 1);
    }
    json += '"';
}

void AppendAnswerMembers(std::string& json, const Answer& answer) {
    json += "\"fields\":{";
    const auto& fields = answer.fields;
    auto sameKey = [&](size_t i) {
        return [&, i](const auto& field) { return field.first == fields[i].first; };
    };
    bool first = true;
    for (size_t i = 0; i < fields.size(); ++i) {
        // A key shown twice is one member, in its first place, with its last text.
        if (std::any_of(fields.begin(), fields.begin() + i, sameKey(i))) continue;
        auto last = std::find_if(fields.rbegin(), fields.rend(), sameKey(i));
        if (!first) json += ',';
        first = false;
        AppendJsonString(json, fields[i].first);
        json += ':';
        AppendJsonString(json, last->second);
    }
    json += "},\"record\":";
    if (answer.record)
        AppendJsonString(json, *answer.record);
    else
        json += "null";
    json += ",\"messages\":[";
    for (size_t i = 0; i < answer.messages.size(); ++i) {
        if (i) json += ',';
        AppendJsonString(json, answer.messages[i]);
    }
    json += ']';
}

} // namespace kavrel::cli
