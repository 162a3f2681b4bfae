#include "resources/strings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kavrel {
namespace {

struct StringCase {
    int id;
    std::string text;
};

const StringCase Representative[] = {
    {2, "Kavrel\nUntitled\nKavrel Document\nKavrel files (*.txt)\n.txt\nKavrel.Document\n"
        "Kavrel Document"},
    {3, "Not enough difference between dates..."},
    {4, "Lease (Annuity Due)"},
    {7, "Sinking Fund (Ordinary Annuity)"},
    {9, "Bankers' Rule Simple Interest"},
    {11, "New loan less than current loan..."},
    {25, "Number is too small..."},
    {29, "Unknown exceeds preset limits..."},
    {55, "Annual Rate (%):"},
    {61, "Future Loan Fees:"},
    {63, "Mortgage will be paid off in"},
    {66, "Periodic Payments ($)"},
    {80, "Please enter a date..."},
    // 22 blanks, then three dash groups.
    {87, std::string(22, ' ') + "---------  ---------  ---------\r\n"},
    // Nine blanks before the first letter, three between the words.
    {88, "\r\n" + std::string(9, ' ') + "L O A N" + std::string(3, ' ') +
             "A M O R T I Z A T I O N" + std::string(3, ' ') + "S C H E D U L E\r\n\r\n"},
    {89, "To make a Schedule, the text in\r\nthe main window needs to be deleted.\r\nIs that OK?"},
    {93, "The Document Window is full..."},
    {95, "Missing data from previous steps..."},
    {99, "Treasury Bond"},
    {32777, "Solve Simple Interest problems"},
    {32779, "Solve Compound Interest problems"},
    {32796, "Calculate Income from Savings, IRA, and 401K Plans"},
    {32798, "Ordinary Annuity with Unequal Payments"},
    {32801, "Kavrel Overview"},
    {57344, "Kavrel"},
    {57669, "Display help for clicked on buttons, menus and windows"},
    {59137, "CAP"},
    {59139, "SCRL"},
};

TEST(StringTable, RepresentativeTexts) {
    for (const StringCase& c : Representative)
        EXPECT_EQ(LoadString(c.id), c.text) << "string " << c.id;
}

TEST(StringTable, MissingIdsGiveAnEmptyText) {
    // 1 is the empty label of the worksheets' closing rule; the others fall between,
    // before and after the table's IDs.
    for (int id : {0, 1, 10, 30, 32780, 32799, 57345, 59140, -5})
        EXPECT_TRUE(LoadString(id).empty()) << "string " << id;
}

TEST(StringTable, EveryIdOnceAndFound) {
    std::set<int> seen;
    for (const StringEntry& entry : StringTableEntries()) {
        EXPECT_TRUE(seen.insert(entry.id).second) << "string " << entry.id << " twice";
        EXPECT_FALSE(entry.text.empty()) << "string " << entry.id;
        EXPECT_EQ(LoadString(entry.id), entry.text) << "string " << entry.id;
    }
}

} // namespace
} // namespace kavrel
