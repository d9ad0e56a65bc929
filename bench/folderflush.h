// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// Writes back everything pending on the file system that holds folder, so
// that the write-back of one step does not land in the timing of the next.
// Throws std::runtime_error on failure.
void flushFileSystemOf(const std::filesystem::path &folder);
