// SPDX-License-Identifier: MIT
#pragma once

#include "memotext.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace notepack {

// Reads text files one after another and appends their Windows-1252 text, as
// LoadTextFile describes. A run keeps one reader for all its files: a fresh,
// zero-filled buffer for each small file cost more than reading the file.
class TextFileReader {
public:
    struct Result {
        MemoText::Status status = MemoText::Status::Unreadable;
        bool opened = false;         // the file could be opened
        std::uintmax_t fileSize = 0; // for TooLong: the file's size in bytes
    };

    // Appends the text of the file at path to out. Unless the status is
    // Loaded, out is left as it was.
    Result appendText(std::string &out, const std::filesystem::path &path);

private:
    // It only grows, and keeps its size as well as its capacity, so each of
    // its bytes is zero-filled once per reader rather than once per file.
    std::string m_buffer;
};

} // namespace notepack
