// SPDX-License-Identifier: MIT
#include "setreport.h"

#include "inputset.h"
#include "setbench.h"

#include <string>

namespace {

// The packer may hold the archive and a fixed amount more, never a copy of
// everything it read on top.
constexpr long kMemorySlackKiB = 16 * 1024;

std::string grouped(unsigned long long value)
{
    std::string digits = std::to_string(value);
    for (auto i = static_cast<long>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return digits;
}

double mebibytes(long kibibytes)
{
    return static_cast<double>(kibibytes) / 1024.0;
}

const char *verdict(bool met)
{
    return met ? "PASS" : "MISS";
}

} // namespace

SetReport::SetReport(const InputSet &input, const SetFigures &figures, long startupRssKiB,
                     double timeRatioTarget)
    : m_input(input)
    , m_figures(figures)
    , m_startupRssKiB(startupRssKiB)
    , m_timeRatioTarget(timeRatioTarget)
{
}

double SetReport::timeRatio() const
{
    const double floor = m_figures.floor.medianSeconds();
    return floor > 0 ? m_figures.packer.medianSeconds() / floor : 0;
}

long SetReport::growthKiB() const
{
    return m_figures.packer.highestRssKiB() - m_startupRssKiB;
}

long SetReport::growthLimitKiB() const
{
    const auto archiveKiB = static_cast<long>((m_figures.archiveBytes + 1023) / 1024);
    return archiveKiB + kMemorySlackKiB;
}

void SetReport::print(std::FILE *out) const
{
    const RunSeries &floor = m_figures.floor;
    const RunSeries &packer = m_figures.packer;
    const std::string files = grouped(static_cast<unsigned>(m_input.fileCount()));
    std::fprintf(out, "Set %s: %s files of %s bytes; %s bytes in, %s after conversion\n",
                 m_input.label().c_str(), files.c_str(),
                 grouped(m_input.fileBytes()).c_str(), grouped(m_input.inputBytes()).c_str(),
                 grouped(m_input.convertedBytes()).c_str());
    std::fprintf(out, "  %-24s %10s %10s %10s   (%d runs each)\n", "", "median", "fastest",
                 "slowest", packer.count());
    std::fprintf(out, "  %-24s %7.1f ms %7.1f ms %7.1f ms\n", "floor time",
                 floor.medianSeconds() * 1e3, floor.fastestSeconds() * 1e3,
                 floor.slowestSeconds() * 1e3);
    std::fprintf(out, "  %-24s %7.1f ms %7.1f ms %7.1f ms\n", "packer time",
                 packer.medianSeconds() * 1e3, packer.fastestSeconds() * 1e3,
                 packer.slowestSeconds() * 1e3);
    // The fastest runs are the least disturbed by the rest of the machine;
    // their ratio shows how much of a miss is noise.
    const double fastestRatio = floor.fastestSeconds() > 0
                                    ? packer.fastestSeconds() / floor.fastestSeconds()
                                    : 0;
    std::fprintf(out, "  %-24s %10.2f   target <= %.2f   %s   (fastest to fastest %.2f)\n",
                 "ratio packer / floor", timeRatio(), m_timeRatioTarget,
                 verdict(meetsTimeTarget()), fastestRatio);
    std::fprintf(out, "  %-24s %s bytes = %s + %s x %s + %s, as expected\n", "archive size",
                 grouped(m_figures.archiveBytes).c_str(), grouped(InputSet::kHeaderBytes).c_str(),
                 files.c_str(), grouped(InputSet::kRecordBytes).c_str(),
                 grouped(m_input.convertedBytes()).c_str());
    std::fprintf(out, "  %-24s %7.1f MiB (highest of the runs; floor %.1f MiB)\n",
                 "packer peak RSS", mebibytes(packer.highestRssKiB()),
                 mebibytes(floor.highestRssKiB()));
    std::fprintf(out, "  %-24s %7.1f MiB\n", "start-up RSS", mebibytes(m_startupRssKiB));
    std::fprintf(out, "  %-24s %7.1f MiB   target <= archive + 16 MiB = %.1f MiB   %s\n",
                 "peak - start-up", mebibytes(growthKiB()), mebibytes(growthLimitKiB()),
                 verdict(meetsMemoryTarget()));
}
