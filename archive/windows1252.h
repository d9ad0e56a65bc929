// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace notepack {

// The Memo Pad stores text as Windows-1252, one byte a character.
//
// Appends the Windows-1252 form of a file's text to out:
// - a UTF-8 byte-order mark at the start is dropped;
// - valid UTF-8 is converted, and each character that Windows-1252 lacks
//   becomes one "?";
// - anything that is not valid UTF-8 is taken to be Windows-1252 already and
//   kept byte for byte, so legacy files keep their accents.
// The result is never longer than the input.
void appendFileTextAsWindows1252(std::string &out, std::string_view fileText);

// The Windows-1252 form of UTF-8 text, or nothing when the text is not valid
// UTF-8 or holds a character that Windows-1252 lacks.
std::optional<std::string> toWindows1252Exactly(std::string_view utf8);

} // namespace notepack
