// SPDX-License-Identifier: MIT
#pragma once

#include "childprocess.h"

#include <vector>

// The timed runs of one program on one input.
class RunSeries {
public:
    void add(const ChildResult &run);

    bool isEmpty() const { return m_seconds.empty(); }
    int count() const { return static_cast<int>(m_seconds.size()); }
    // The median resists the odd run that the machine slowed down.
    double medianSeconds() const;
    double fastestSeconds() const;
    double slowestSeconds() const;
    long medianRssKiB() const;
    long highestRssKiB() const;

private:
    std::vector<double> m_seconds;
    std::vector<long> m_rssKiB;
};

// The middle value, or the mean of the two middle ones; 0 for none.
double median(std::vector<double> values);
