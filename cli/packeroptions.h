// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// What the command line asks notepack-cli to do.
struct PackerOptions {
    // Files and folders in argument order, and the archive's name, as the
    // bytes they were given in: a name need not be valid UTF-8.
    std::vector<std::string> inputs;
    std::string archive = "archive.mpa";
    std::string category = "test";  // Windows-1252
    bool quiet = false;
};
