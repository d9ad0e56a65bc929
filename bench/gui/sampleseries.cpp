// SPDX-License-Identifier: MIT
#include "sampleseries.h"

#include <algorithm>

double SampleSeries::median() const
{
    if (m_values.empty())
        return 0.0;
    std::vector<double> sorted = m_values;
    std::ranges::sort(sorted);
    const std::size_t middle = sorted.size() / 2;
    if (sorted.size() % 2 == 1)
        return sorted[middle];
    return (sorted[middle - 1] + sorted[middle]) / 2.0;
}

double SampleSeries::highest() const
{
    return m_values.empty() ? 0.0 : std::ranges::max(m_values);
}
