// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace notepack {

// Decodes the UTF-8 sequence at text[pos] and moves pos past it; nothing,
// with pos unmoved, when the bytes there are not well-formed UTF-8 (overlong
// forms, surrogates and values beyond U+10FFFF included).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t &pos);

void appendUtf8(std::string &out, char32_t codePoint);

} // namespace notepack
