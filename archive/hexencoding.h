// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace notepack {

// Turns hex text ("0600") into the bytes it stands for (06 00), pair by pair in
// the order written. A lone last digit is read by itself ("ABC" gives AB 0C).
// Throws std::invalid_argument for a character that is not a hex digit.
std::string hex2str(std::string_view hexText);

// Renders value as little-endian hex text of width bytes: int2hexstr(200, 2)
// is "C800". A value that needs more bytes is not cut; it comes out with as
// many bytes as it needs, still least significant first.
// Throws std::invalid_argument for a negative value or width.
std::string int2hexstr(std::int32_t value, std::int32_t width);

} // namespace notepack
