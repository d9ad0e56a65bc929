// SPDX-License-Identifier: MIT
#pragma once

#include "runseries.h"

#include <cstdint>
#include <filesystem>
#include <string>

class ChildProcess;
class InputSet;

// What timing one input set gave.
struct SetFigures {
    RunSeries floor;
    RunSeries packer;
    std::uintmax_t archiveBytes = 0;
};

// Times the floor and the packer on one input set, in turns so that a slow
// spell of the machine hits both alike, and checks every output. A failed
// run or a wrong output throws std::runtime_error: a figure measured on a
// broken run means nothing.
class SetBench {
public:
    SetBench(const ChildProcess &child, const InputSet &input, const std::string &packer,
             const std::string &floor, std::filesystem::path outputFolder, int runs);

    SetFigures run() const;
    // Reads the last run's archive back; done after all timing, since a big
    // driver would inflate its children's RSS (see ChildProcess).
    void checkArchiveContent() const;

private:
    ChildResult runFloor() const;
    ChildResult runPacker() const;
    // Each run starts with no output file and nothing left to write back, so
    // that no run pays for the one before.
    void prepareOutput(const std::filesystem::path &output) const;

    const ChildProcess &m_child;
    const InputSet &m_input;
    std::string m_packer;
    std::string m_floor;
    std::filesystem::path m_outputFolder;
    std::filesystem::path m_archive;
    std::filesystem::path m_floorOutput;
    int m_runs;
};
