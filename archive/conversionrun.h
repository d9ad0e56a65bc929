// SPDX-License-Identifier: MIT
#pragma once

#include "memotext.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace notepack {

// What a run tells its caller after each memo.
struct MemoProgress {
    int memoNumber = 0;                 // counts from 1
    std::string_view currentFileName;   // of the file opened last in this run
    std::string_view path;              // of this memo's file
    MemoText::Status status = MemoText::Status::Unreadable;
    std::size_t textLength = 0;         // in bytes, as written
};
using ProgressCallback = std::function<void(const MemoProgress &)>;

struct ConversionResult {
    enum class Outcome {
        Written,     // the archive is at the destination
        Stopped,     // told to stop: nothing written
        MemoTooLong, // a file's text does not fit a memo: nothing written
        WriteFailed, // the destination could not be written: left as it was
    };

    Outcome outcome = Outcome::Written;
    std::string path;           // the file too long, or the destination
    std::uintmax_t fileSize = 0; // for MemoTooLong
    std::error_code error;      // for WriteFailed: the system's reason

    bool succeeded() const { return outcome == Outcome::Written; }
    // A sentence for a person that names the file and the reason.
    std::string message() const;
};

// Packs the files at paths, in order, into one archive with the given
// category (Windows-1252, at most 254 bytes) and writes it to destination in
// one piece. A file that cannot be read gives an empty memo. progress is
// called once after each memo; stop is looked at right after it, and a
// stopped run writes nothing.
ConversionResult ConvertFiles(const std::vector<std::string> &paths, std::string_view category,
                              const std::filesystem::path &destination,
                              const ProgressCallback &progress = {}, std::stop_token stop = {});

} // namespace notepack
