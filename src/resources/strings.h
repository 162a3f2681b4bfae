// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's string table: every message, caption and record label, by its ID.

#include <span>
#include <string_view>

namespace kavrel {

// IDs the shared code refers to by name; the forms may use the plain numbers of their own.
enum StringId : int {
    IDS_NOT_ENOUGH_DIFFERENCE = 3,
    IDS_LEASE_CAPTION = 4,
    IDS_SAVE_CAPTION = 5,
    IDS_LOAN_CAPTION = 6,
    IDS_SINKING_FUND_CAPTION = 7,
    IDS_EXACT_SIMPLE_INTEREST_CAPTION = 8,
    IDS_BANKERS_RULE_CAPTION = 9,
    IDS_NUMBER_TOO_SMALL = 25,
    IDS_NUMBER_TOO_LARGE = 26,
    IDS_ENTER_DATA = 27,
    IDS_NUMBER_EXCEEDS_LIMITS = 28,
    IDS_UNKNOWN_EXCEEDS_LIMITS = 29,
    // The loan-data lines shared by the mortgage worksheets.
    IDS_CURRENT_LOAN_DATA = 51,
    IDS_FUTURE_LOAN_DATA = 52,
    IDS_PAYMENTS_ARE_MADE = 53,
    IDS_NUMBER_OF_PAYMENTS = 54,
    IDS_ANNUAL_RATE = 55,
    IDS_LOAN_PRINCIPAL = 56,
    IDS_BALLOON_PAYMENT = 57,
    IDS_PAID_OFF_IN = 63,
    IDS_ENTER_DATE = 80,
    IDS_DOCUMENT_FULL = 93,
    IDS_MISSING_PREVIOUS_STEPS = 95,
    IDS_CORPORATE_BOND_CAPTION = 98,
    IDS_TREASURY_BOND_CAPTION = 99,
    IDS_APP_NAME = 57344,
};

struct StringEntry {
    int id;
    std::string_view text;
};

// The text of a string ID; an empty text for an ID the table does not hold (as loading a
// missing string leaves its buffer empty).
std::string_view LoadString(int id);

// Every entry of the table, in ID order.
std::span<const StringEntry> StringTableEntries();

} // namespace kavrel
