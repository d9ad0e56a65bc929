// SPDX-License-Identifier: MIT
#include "inputset.h"

#include "folderflush.h"
#include "sampletext.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

// The longest memo the archive can hold.
constexpr std::size_t kMemoLimit = 65533;

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot create " + path.string() + ": " + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written)
        throw std::runtime_error("cannot write " + path.string() + ": " + std::strerror(errno));
}

} // namespace

InputSet::InputSet(std::string label, std::filesystem::path folder, int fileCount,
                   std::size_t fileBytes, std::uint64_t seed)
    : m_label(std::move(label))
    , m_folder(std::move(folder))
    , m_fileCount(fileCount)
    , m_fileBytes(fileBytes)
    , m_seed(seed)
{
}

void InputSet::create()
{
    std::filesystem::create_directories(m_folder);
    SampleText generator(m_seed);
    m_inputBytes = 0;
    m_convertedBytes = 0;
    m_longestMemo = 0;
    for (int i = 0; i < m_fileCount; ++i) {
        // Zero-padded names sort the same way in any order a packer may use.
        char name[32];
        std::snprintf(name, sizeof name, "note-%05d.txt", i + 1);
        // Every fifth file comes from Windows, with its line breaks.
        const SampleFile sample = generator.make(m_fileBytes, i % 5 == 4 ? "\r\n" : "\n");
        if (sample.windows1252.size() >= kMemoLimit)
            throw std::logic_error("a sample file does not fit a memo");
        writeFile(m_folder / name, sample.utf8);

        m_inputBytes += sample.utf8.size();
        m_convertedBytes += sample.windows1252.size();
        m_longestMemo = std::max(m_longestMemo, sample.windows1252.size());
        if (i == 0)
            m_firstMemo = sample.windows1252;
        if (i == m_fileCount - 1)
            m_lastMemo = sample.windows1252;
    }
    flushFileSystemOf(m_folder);
}

std::uintmax_t InputSet::expectedArchiveBytes() const
{
    return kHeaderBytes + static_cast<std::uintmax_t>(m_fileCount) * kRecordBytes +
           m_convertedBytes;
}
