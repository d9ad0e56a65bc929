// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a strict reading of a Memo Pad archive gives back.
struct ParsedArchive {
    std::string categoryName;
    std::vector<std::string> memos;
};

// Reads an archive the way Notepack must write it, checking every byte: the
// fixed fields of the header, the category name (1 to 15 bytes) and its short
// name (its first 8 bytes), an entry count of 6 for each record actually
// present, each record's fixed fields, marker and length (at most 65,533), and
// nothing before or after the records but the header. It is written apart
// from the archive core so that tests can use it as an independent oracle.
// Gives nothing at the first deviation, with where and why in *whyNot when
// whyNot is given; on success *whyNot is cleared.
std::optional<ParsedArchive> readArchive(std::string_view bytes, std::string *whyNot = nullptr);
