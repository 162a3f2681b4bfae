// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/strings.h"

#include <algorithm>
#include <iterator>

namespace kavrel {

namespace {

// Sorted by ID.
constexpr StringEntry StringTable[] = {
    // The document template: title, new document, type, filter name, extension, file type
    // identifier, file type description.
    {2, "Kavrel\nUntitled\nKavrel Document\nKavrel files (*.txt)\n.txt\nKavrel.Document\nKavrel "
        "Document"},
    {3, "Not enough difference between dates..."},
    {4, "Lease (Annuity Due)"},
    {5, "Save (Annuity Due)"},
    {6, "Loan (Ordinary Annuity)"},
    {7, "Sinking Fund (Ordinary Annuity)"},
    {8, "Exact Simple Interest"},
    {9, "Bankers' Rule Simple Interest"},
    {11, "New loan less than current loan..."},
    {25, "Number is too small..."},
    {26, "Number is too large..."},
    {27, "Please enter data..."},
    {28, "Number exceeds preset limits..."},
    {29, "Unknown exceeds preset limits..."},
    {50, "Too many years to keep loan..."},
    {51, "Current Loan Data"},
    {52, "Future Loan Data"},
    {53, "Payments are Made:"},
    {54, "Number of Payments:"},
    {55, "Annual Rate (%):"},
    {56, "Loan Principal ($):"},
    {57, "Balloon Payment ($):"},
    {58, "Penalty for Early Payoff (%):"},
    {59, "Points of new loan Amount (%):"},
    {60, "All other Loan Costs ($):"},
    {61, "Future Loan Fees:"},
    {62, "New payment is too small..."},
    {63, "Mortgage will be paid off in"},
    {64, "Inflation rate must be less than Earned rate..."},
    {65, "Life Expectancy Table Ages are from 35 to 110..."},
    {66, "Periodic Payments ($)"},
    {80, "Please enter a date..."},
    {87, "                      ---------  ---------  ---------\r\n"},
    {88, "\r\n         L O A N   A M O R T I Z A T I O N   S C H E D U L E\r\n\r\n"},
    {89, "To make a Schedule, the text in\r\nthe main window needs to be deleted.\r\nIs that OK?"},
    {93, "The Document Window is full..."},
    {95, "Missing data from previous steps..."},
    {98, "Corporate Bond"},
    {99, "Treasury Bond"},
    // Status-bar prompts, under the IDs of their commands.
    {32777, "Solve Simple Interest problems"},
    {32778, "Solve Bank Discount Interest problems"},
    {32779, "Solve Compound Interest problems"},
    {32781, "Calculate a Loan with Payments"},
    {32782, "Calculate a Sinking Fund with Payments"},
    {32783, "Calculate Savings with Payments"},
    {32784, "Calculate a Lease with Payments"},
    {32786, "Calculate Corporate Bond unknowns"},
    {32787, "Calculate Treasury Bond unknowns"},
    {32788, "Calculate Present or Future Value of a CD"},
    {32790, "Solve Discounted Cash Flow problems"},
    {32791, "Make a Schedule of Payments due on a loan"},
    {32792, "Do addition and subtraction using Dates"},
    {32793, "Refinance an Existing Mortgage..."},
    {32794, "Payoff an Existing Mortgage Early"},
    {32795, "Calculate Yield for a Purchased Mortgage"},
    {32796, "Calculate Income from Savings, IRA, and 401K Plans"},
    {32797, "Select an Example to review"},
    {32798, "Ordinary Annuity with Unequal Payments"},
    {32800, "Calculate PV or Rate for a Discounted Note"},
    {32801, "Kavrel Overview"},
    {57344, "Kavrel"},
    {57667, "Review help topics"},
    {57668, "Display instructions about how to use help"},
    {57669, "Display help for clicked on buttons, menus and windows"},
    {57670, "Display help for current task or command"},
    // Status-bar indicators.
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
};

// LoadString's binary search finds an ID only in a table sorted by ID, each ID once; an empty
// text would read as a missing string.
static_assert(std::adjacent_find(std::begin(StringTable), std::end(StringTable),
                                 [](const StringEntry& a, const StringEntry& b) {
                                     return a.id >= b.id;
                                 }) == std::end(StringTable),
              "the string table must stay sorted by ID, each ID once");
static_assert(std::none_of(std::begin(StringTable), std::end(StringTable),
                           [](const StringEntry& e) { return e.text.empty(); }),
              "no string may be empty");

} // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(StringTable), std::end(StringTable), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(StringTable) || it->id != id) return {};
    return it->text;
}

std::span<const StringEntry> StringTableEntries() {
    return StringTable;
}

} // namespace kavrel
