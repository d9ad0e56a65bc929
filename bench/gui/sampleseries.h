// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The figures of one kind of timed run, one a run.
class SampleSeries {
public:
    void add(double value) { m_values.push_back(value); }

    int count() const { return static_cast<int>(m_values.size()); }
    // The median resists the odd run that the machine slowed down.
    double median() const;
    double highest() const;

private:
    std::vector<double> m_values;
};
