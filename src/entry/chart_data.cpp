// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/chart_data.h"

#include <algorithm>
#include <cmath>

namespace kavrel {

std::vector<size_t> ChartSample(size_t count, size_t limit) {
    std::vector<size_t> picked;
    if (count == 0 || limit == 0) return picked;
    if (count <= limit || limit == 1) {
        for (size_t i = 0; i < std::min(count, limit); ++i)
            picked.push_back(i);
        return picked;
    }
    picked.reserve(limit);
    // Rounded steps of (count - 1) / (limit - 1) are distinct, since that step exceeds 1.
    for (size_t k = 0; k < limit; ++k)
        picked.push_back(static_cast<size_t>(
            std::llround(static_cast<double>(k) * (count - 1) / static_cast<double>(limit - 1))));
    return picked;
}

std::vector<ChartPoint> GrowthPoints(double periods,
                                     const std::function<double(double period)>& valueAt) {
    std::vector<ChartPoint> points;
    if (!(periods >= 0) || !std::isfinite(periods)) return points;
    const double whole = std::floor(periods);
    const size_t count = static_cast<size_t>(whole) + 1 + (periods > whole ? 1 : 0);
    for (size_t index : ChartSample(count)) {
        ChartPoint point;
        point.period = std::min(static_cast<double>(index), periods);
        point.balance = valueAt(point.period);
        points.push_back(point);
    }
    return points;
}

} // namespace kavrel
