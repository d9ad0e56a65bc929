// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

class InputSet;
struct SetFigures;

// The table of one input set, with each figure set against its target.
class SetReport {
public:
    SetReport(const InputSet &input, const SetFigures &figures, long startupRssKiB,
              double timeRatioTarget);

    void print(std::FILE *out) const;

    double timeRatio() const;
    long growthKiB() const; // peak RSS above the start-up RSS
    long growthLimitKiB() const;
    bool meetsTimeTarget() const { return timeRatio() <= m_timeRatioTarget; }
    bool meetsMemoryTarget() const { return growthKiB() <= growthLimitKiB(); }

private:
    const InputSet &m_input;
    const SetFigures &m_figures;
    long m_startupRssKiB;
    double m_timeRatioTarget;
};
