// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The JSON that kavrel-calc writes, put straight into a string: the very text of the JSON
// library's compact dump, without building the library's tree for every problem.

#include <string>
#include <string_view>

namespace kavrel::cli {

struct Answer;

// text as a JSON string; bytes that are no UTF-8 become U+FFFD.
void AppendJsonString(std::string& json, std::string_view text);
// "fields":{KEY:text,...},"record":text or null,"messages":[...]
void AppendAnswerMembers(std::string& json, const Answer& answer);

} // namespace kavrel::cli
