#include "resources/strings.h"

#include <algorithm>
#include <iterator>

namespace kavrel {

namespace {

// Sorted by ID.
constexpr StringEntry StringTable[] = {
    {3, "Not enough difference between dates..."},
    {4, "Lease (Annuity Due)"},
    {5, "Save (Annuity Due)"},
    {6, "Loan (Ordinary Annuity)"},
    {7, "Sinking Fund (Ordinary Annuity)"},
    {25, "Number is too small..."},
    {26, "Number is too large..."},
    {27, "Please enter data..."},
    {28, "Number exceeds preset limits..."},
    {29, "Unknown exceeds preset limits..."},
    {80, "Please enter a date..."},
    {93, "The Document Window is full..."},
    {98, "Corporate Bond"},
    {99, "Treasury Bond"},
    {57344, "Kavrel"},
};

static_assert(std::is_sorted(std::begin(StringTable), std::end(StringTable),
                             [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; }),
              "the string table must stay sorted by ID");

} // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(StringTable), std::end(StringTable), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(StringTable) || it->id != id)
        return {};
    return it->text;
}

} // namespace kavrel
