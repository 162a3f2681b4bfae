#include "entry/field_info.h"

namespace kavrel {

const FieldLimits FieldLimitTable[FieldLimitClassCount] = {
    {0, 1, 9999, "%-.0f"},         // 0
    {0, 1, 999999, "%-.0f"},       // 1
    {3, 1, 999999, "%-.3f"},       // 2
    {2, 0.01, 1e10, "%-.2f"},      // 3
    {2, 0, 1e10, "%-.2f"},         // 4
    {2, -1e10, 1e10, "%-.2f"},     // 5
    {3, 0.001, 9999, "%-.3f"},     // 6
    {0, -9999, 9999, "%-.0f"},     // 7
    {0, -999999, 999999, "%-.0f"}, // 8
    {3, 0, 99, "%-.3f"},           // 9
    {0, 0, 9999, "%-.0f"},         // 10
    {3, 94.999, 150, "%-.3f"},     // 11
};

int FindField(FieldTable table, int key, int column) {
    for (size_t row = 0; row < table.size(); ++row) {
        int value = column == ControlColumn ? table[row].controlId : table[row].unknownButton;
        if (value == key) return static_cast<int>(row);
    }
    return -1;
}

const FieldLimits& LimitsOf(int limitClass) {
    if (limitClass < 0 || limitClass >= FieldLimitClassCount) return FieldLimitTable[0];
    return FieldLimitTable[limitClass];
}

} // namespace kavrel
