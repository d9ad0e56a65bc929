// SPDX-License-Identifier: MIT
#include "memotext.h"

#include "archiveformat.h"
#include "windows1252.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace notepack {
namespace {

// Converting never gives fewer bytes than a quarter of the input (a 4-byte
// UTF-8 sequence gives one "?"), after a 3-byte byte-order mark. A file
// longer than this cannot make a memo that fits, whatever it holds.
constexpr std::size_t kLongestUsefulFile = 4 * kMaxMemoTextLength + 3;

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Reads at most limit + 1 bytes, so that a longer file is told apart without
// reading all of it. Nothing on a read error.
std::optional<std::string> readAtMost(std::FILE *file, std::size_t limit)
{
    std::string content;
    std::size_t filled = 0;
    std::size_t capacity = 16 * 1024;
    for (;;) {
        content.resize(capacity);
        const std::size_t got = std::fread(content.data() + filled, 1, capacity - filled, file);
        filled += got;
        if (filled < capacity) {
            if (std::ferror(file))
                return std::nullopt;
            break;
        }
        if (capacity > limit)
            break;
        capacity = std::min(capacity * 2, limit + 1);
    }
    content.resize(filled);
    return content;
}

} // namespace

MemoText LoadTextFile(const std::filesystem::path &path)
{
    MemoText memo;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return memo;

    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return memo;
    // The reads go straight into our buffer; stdio's own would be a copy more.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    memo.fileName = path.filename().string();

    std::optional<std::string> content = readAtMost(file.get(), kLongestUsefulFile);
    if (!content)
        return memo;
    if (content->size() > kLongestUsefulFile) {
        memo.status = MemoText::Status::TooLong;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        memo.fileSize = error ? content->size() : size;
        return memo;
    }

    appendFileTextAsWindows1252(memo.text, *content);
    if (memo.text.size() > kMaxMemoTextLength) {
        memo.status = MemoText::Status::TooLong;
        memo.fileSize = content->size();
        memo.text.clear();
        return memo;
    }
    memo.status = MemoText::Status::Loaded;
    return memo;
}

} // namespace notepack
