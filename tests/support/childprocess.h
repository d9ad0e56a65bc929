// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The outcome of running a program to its end.
struct ChildResult {
    int exitCode = -1; // -1 when it did not exit normally
    std::string standardOutput;
    std::string standardError;
};

// Runs program with arguments in workingFolder, its input empty, and
// collects what it printed.
ChildResult runChild(const std::filesystem::path &program, const std::vector<std::string> &arguments,
                     const std::filesystem::path &workingFolder);
