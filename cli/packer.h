// SPDX-License-Identifier: MIT
#pragma once

#include "packeroptions.h"

#include <string>
#include <vector>

class ProgressLine;

// Packs the inputs of the command line into one archive, reporting progress,
// warnings and errors on standard error.
class Packer {
public:
    enum ExitCode { Success = 0, Failure = 1 };

    explicit Packer(PackerOptions options);

    ExitCode run();

private:
    bool collectPaths(std::vector<std::string> &paths, ProgressLine &progress) const;
    void warn(ProgressLine &progress, const std::string &text) const;

    PackerOptions m_options;
};
