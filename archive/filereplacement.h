// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace notepack {

// Writes bytes to a temporary file in the destination's folder and renames it
// over the destination, so that a failure never leaves a half-written file
// and never destroys the file that was there. A destination that is a link is
// followed, and an existing file keeps its permissions. Returns the system's
// reason on failure, with the temporary file removed.
std::error_code replaceFileContents(const std::filesystem::path &destination,
                                    std::string_view bytes);

} // namespace notepack
