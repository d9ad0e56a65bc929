// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The outcome of running a program to its end.
struct ChildResult {
    int exitCode = -1; // -1 when it did not exit normally
    std::string standardOutput;
    std::string standardError;
    bool killedAsHung = false; // it outlived ChildOptions::deadline
    // What it read through read calls in its whole life (rchar, as Linux
    // counts it in /proc); nothing where the system does not tell.
    std::optional<std::uint64_t> bytesRead;
};

struct ChildOptions {
    // Root reads and writes files whatever their permissions: when the tests
    // run as root, the program runs as nobody (uid and gid 65534, no other
    // groups), so that permissions apply to it. Elsewhere it runs as the
    // tests' user, whom permissions bind already.
    bool unprivileged = false;
    // The longest file the program may write (RLIMIT_FSIZE), as on a full
    // disk. SIGXFSZ is ignored, so a write past it fails with EFBIG instead
    // of killing the program.
    std::optional<std::uint64_t> fileSizeLimit;
    // A program still running then is killed, so a hang fails the test
    // instead of stalling the suite.
    std::chrono::seconds deadline{60};
};

// Runs program with arguments in workingFolder, its input empty, and
// collects what it printed.
ChildResult runChild(const std::filesystem::path &program,
                     const std::vector<std::string> &arguments,
                     const std::filesystem::path &workingFolder, const ChildOptions &options = {});

// Runs check in a child process that, when the tests run as root, has become
// nobody first (see ChildOptions::unprivileged), and returns its result;
// elsewhere the child keeps the tests' user. For checks of the program's own
// code that permissions must bind.
bool runUnprivileged(const std::function<bool()> &check);
