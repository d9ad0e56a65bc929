// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// A folder of generated text files for the packer, and what packing it must
// give. Everything expected is counted while the files are written.
class InputSet {
public:
    // Of an archive with the default category, and of each memo's record
    // around its text.
    static constexpr std::uintmax_t kHeaderBytes = 88;
    static constexpr std::uintmax_t kRecordBytes = 51;

    InputSet(std::string label, std::filesystem::path folder, int fileCount, std::size_t fileBytes,
             std::uint64_t seed);

    // Writes the files and flushes them to disk, so that their write-back
    // does not land in a timed run. Throws std::runtime_error on failure.
    void create();

    const std::string &label() const { return m_label; }
    const std::filesystem::path &folder() const { return m_folder; }
    int fileCount() const { return m_fileCount; }
    std::size_t fileBytes() const { return m_fileBytes; }
    std::uintmax_t inputBytes() const { return m_inputBytes; }
    std::uintmax_t convertedBytes() const { return m_convertedBytes; }
    std::size_t longestMemo() const { return m_longestMemo; }
    // The header, then each memo's record around its converted text.
    std::uintmax_t expectedArchiveBytes() const;

    // The Windows-1252 texts of the first and the last file in name order,
    // to look for in the archive.
    const std::string &firstMemo() const { return m_firstMemo; }
    const std::string &lastMemo() const { return m_lastMemo; }

private:
    std::string m_label;
    std::filesystem::path m_folder;
    int m_fileCount;
    std::size_t m_fileBytes;
    std::uint64_t m_seed;
    std::uintmax_t m_inputBytes = 0;
    std::uintmax_t m_convertedBytes = 0;
    std::size_t m_longestMemo = 0;
    std::string m_firstMemo;
    std::string m_lastMemo;
};
