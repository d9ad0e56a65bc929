// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// How one run of a program went, as the parent saw it.
struct ChildResult {
    bool exited = false; // false when killed by a signal or never started
    int exitCode = -1;   // when exited
    int signal = 0;      // when killed
    double seconds = 0;  // wall time from fork to the end of wait4
    long maxRssKiB = 0;  // ru_maxrss of the child

    bool succeeded() const { return exited && exitCode == 0; }
    // "exit code 3", "killed by signal 9": for error messages.
    std::string describe() const;
};

// Runs programs the plain POSIX way, so that what is measured is the program
// and not a shell or a spawning library. On Linux a child's ru_maxrss also
// counts the pages it shared with the parent between fork and exec, so the
// parent has to stay small for the figure to be the program's own.
class ChildProcess {
public:
    ChildProcess();
    ~ChildProcess();

    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Runs argv[0] with argv, its standard output thrown away (the packer's
    // --version would otherwise mix into the table) and its standard error
    // left to the terminal so that its complaints are seen.
    ChildResult run(const std::vector<std::string> &argv) const;

private:
    int m_devNull;
};
