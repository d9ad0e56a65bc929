// SPDX-License-Identifier: MIT
#include "runseries.h"

#include <algorithm>

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

void RunSeries::add(const ChildResult &run)
{
    m_seconds.push_back(run.seconds);
    m_rssKiB.push_back(run.maxRssKiB);
}

double RunSeries::medianSeconds() const
{
    return median(m_seconds);
}

double RunSeries::fastestSeconds() const
{
    return m_seconds.empty() ? 0 : std::ranges::min(m_seconds);
}

double RunSeries::slowestSeconds() const
{
    return m_seconds.empty() ? 0 : std::ranges::max(m_seconds);
}

long RunSeries::medianRssKiB() const
{
    return static_cast<long>(median({m_rssKiB.begin(), m_rssKiB.end()}));
}

long RunSeries::highestRssKiB() const
{
    return m_rssKiB.empty() ? 0 : std::ranges::max(m_rssKiB);
}
