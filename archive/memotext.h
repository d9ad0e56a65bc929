// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace notepack {

// One file's text, prepared for the archive.
struct MemoText {
    enum class Status {
        Loaded,     // text holds the file's content in Windows-1252
        Unreadable, // missing, not a regular file, or cannot be opened: empty text
        TooLong,    // longer than an archive's memo can be: empty text
    };

    Status status = Status::Unreadable;
    std::string text;
    // The file's name; none when the file could not be opened.
    std::optional<std::string> fileName;
    // For TooLong: the file's size in bytes.
    std::uintmax_t fileSize = 0;
};

// Reads the file at path whole and converts its text to Windows-1252 (see
// appendFileTextAsWindows1252). Only regular files are read, so a named pipe
// or a device never blocks. A file whose text would exceed kMaxMemoTextLength
// is refused without being read whole. A TextFileReader does the same for
// many files in a row.
MemoText LoadTextFile(const std::filesystem::path &path);

} // namespace notepack
