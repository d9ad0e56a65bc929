// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace notepack {

// File names on this platform are bytes, usually UTF-8 but not always (a
// name written by an older system may hold a Windows-1252 "é"). Decoding
// turns valid UTF-8 into its characters and each byte that is not part of
// valid UTF-8 into one of the lone surrogates U+DC80 to U+DCFF, which no
// valid UTF-8 gives; encoding turns them back, so that a name survives the
// round trip through text byte for byte.
std::u16string decodeFileName(std::string_view bytes);
std::string encodeFileName(std::u16string_view text);

} // namespace notepack
