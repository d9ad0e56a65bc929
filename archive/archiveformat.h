// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace notepack {

// The desktop software reads the archive's strings the way its class library
// writes them: a 2-byte length of FFFE announces a UTF-16 string and FFFF a
// 4-byte length, so a memo of 65,534 or 65,535 bytes would be misread and
// everything after it lost. 65,533 bytes is the longest memo that reads back.
inline constexpr std::size_t kMaxMemoTextLength = 65533;

// The handheld's Memo Pad edits memos only up to this size; longer ones still
// import.
inline constexpr std::size_t kMemoPadEditLimit = 4096;

// A memo record is this many bytes plus the length of its text.
inline constexpr std::size_t kMemoRecordOverhead = 51;

// Category names are at most 15 characters on the handheld; the short name is
// the first 8 of them.
inline constexpr std::size_t kMaxCategoryNameLength = 15;
inline constexpr std::size_t kCategoryShortNameLength = 8;

// The archive header for memoCount memos, declaring one category. The
// category name is Windows-1252 text of at most 254 bytes (the short-string
// limit); with "test" the header is 88 bytes.
// Throws std::length_error for a category name or memo count the format
// cannot hold.
std::string MakeArchiveHeader(std::int32_t memoCount, std::string_view categoryName);

// One memo record: 51 bytes plus the Windows-1252 text.
// Throws std::length_error for a text longer than kMaxMemoTextLength.
std::string MakeMemoRecord(std::string_view memoText);

// Appends the record of MakeMemoRecord to archive without a temporary.
void appendMemoRecord(std::string &archive, std::string_view memoText);

// A record in two steps, so that a file's text can be converted straight onto
// the end of the archive: startMemoRecord appends the bytes before the text
// and returns where the text begins; once the text is appended,
// finishMemoRecord fills in its length and appends the bytes after it.
// finishMemoRecord throws std::length_error for a text longer than
// kMaxMemoTextLength.
std::size_t startMemoRecord(std::string &archive);
void finishMemoRecord(std::string &archive, std::size_t textStart);

} // namespace notepack
