// SPDX-License-Identifier: MIT
#include "textfilereader.h"

#include "archiveformat.h"
#include "windows1252.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

namespace notepack {
namespace {

// Converting never gives fewer bytes than a quarter of the input (a 4-byte
// UTF-8 sequence gives one "?"), after a 3-byte byte-order mark. A file
// longer than this cannot make a memo that fits, whatever it holds.
constexpr std::size_t kLongestUsefulFile = 4 * kMaxMemoTextLength + 3;

// Big enough for most notes in one read.
constexpr std::size_t kFirstBufferSize = 16 * 1024;

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Reads at most limit + 1 bytes into buffer, so that a longer file is told
// apart without reading all of it. Gives the number of bytes read, nothing on
// a read error. The buffer grows as needed and is never shrunk.
std::optional<std::size_t> readAtMost(std::FILE *file, std::string &buffer, std::size_t limit)
{
    if (buffer.empty())
        buffer.resize(kFirstBufferSize);
    std::size_t filled = 0;
    for (;;) {
        filled += std::fread(buffer.data() + filled, 1, buffer.size() - filled, file);
        if (filled < buffer.size())
            return std::ferror(file) ? std::nullopt : std::optional<std::size_t>(filled);
        if (filled > limit)
            return filled;
        buffer.resize(std::min(buffer.size() * 2, limit + 1));
    }
}

} // namespace

TextFileReader::Result TextFileReader::appendText(std::string &out,
                                                  const std::filesystem::path &path)
{
    Result result;
    std::error_code error;
    // One stat, and it keeps a named pipe or a device from blocking the run.
    if (!std::filesystem::is_regular_file(path, error))
        return result;

    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return result;
    // The reads go straight into our buffer; stdio's own would be a copy more.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    result.opened = true;

    const std::optional<std::size_t> size = readAtMost(file.get(), m_buffer, kLongestUsefulFile);
    if (!size)
        return result;
    if (*size > kLongestUsefulFile) {
        result.status = MemoText::Status::TooLong;
        const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
        result.fileSize = error ? *size : fileSize;
        return result;
    }

    const std::size_t start = out.size();
    appendFileTextAsWindows1252(out, std::string_view(m_buffer.data(), *size));
    if (out.size() - start > kMaxMemoTextLength) {
        result.status = MemoText::Status::TooLong;
        result.fileSize = *size;
        out.resize(start);
        return result;
    }
    result.status = MemoText::Status::Loaded;
    return result;
}

} // namespace notepack
