// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every form of the program: the command that opens it, its command-line name and how to
// make its model. The menus and kavrel-calc both work from this one list.

#include "entry/form_model.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace kavrel {

struct FormEntry {
    std::string_view slug;    // kavrel-calc's name of the form
    int commandId;            // the menu command
    std::string_view caption; // as the form shows it when opened by this command
    std::function<std::unique_ptr<CFormModel>()> create;
};

std::span<const FormEntry> FormCatalog();
const FormEntry* FindFormBySlug(std::string_view slug);
const FormEntry* FindFormByCommand(int commandId);
// The menu command of the form named slug; 0 when there is none.
int FormCommand(std::string_view slug);

} // namespace kavrel
