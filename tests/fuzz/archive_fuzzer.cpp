// SPDX-License-Identifier: MIT
// Builds archives from a category name and memo texts that the input spells
// out, and reads each back with the strict reader. The reader is checked too:
// whatever it accepts, from the raw input or from a built archive with one
// byte changed, must be exactly what the writer makes of what it read.
#include "archiveformat.h"
#include "archivereader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using notepack::kMaxMemoTextLength;

// Texts near the size limit are slow to build and read; a few an input are
// enough to reach the limit's edge.
constexpr std::size_t kLongTextsAnInput = 2;

[[noreturn]] void fail(const char *what, const std::string &detail = {})
{
    std::fprintf(stderr, "archive_fuzzer: %s %s\n", what, detail.c_str());
    std::abort();
}

// The input read front to back; past its end every byte is 0.
class Input {
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos == m_size; }
    unsigned byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string bytes(std::size_t count)
    {
        count = std::min(count, m_size - m_pos);
        std::string taken(reinterpret_cast<const char *>(m_data + m_pos), count);
        m_pos += count;
        return taken;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The pattern over and over, up to length bytes. The text doubles rather than
// grows a pattern at a time, which would be most of a run's time.
std::string repeated(std::string_view pattern, std::size_t length)
{
    std::string text;
    text.reserve(length);
    text.append(pattern.substr(0, length));
    while (text.size() < length)
        text.append(text, 0, std::min(text.size(), length - text.size()));
    return text;
}

// The archive the writer makes of a reading.
std::string rebuilt(const ParsedArchive &parsed)
{
    std::string archive =
        notepack::MakeArchiveHeader(static_cast<std::int32_t>(parsed.memos.size()), parsed.categoryName);
    for (const std::string &memo : parsed.memos)
        notepack::appendMemoRecord(archive, memo);
    return archive;
}

// Bytes the reader accepts must be byte for byte what the writer would make;
// otherwise it let some byte through unchecked.
void checkAcceptedOnlyIfWritten(std::string_view bytes)
{
    if (const std::optional<ParsedArchive> parsed = readArchive(bytes)) {
        if (rebuilt(*parsed) != bytes)
            fail("the reader accepted bytes that the writer does not make");
    }
}

void checkTooLongIsRefused(std::string &archive, const std::string &text)
{
    const std::string before = archive;
    try {
        notepack::appendMemoRecord(archive, text);
        fail("appendMemoRecord took a text of", std::to_string(text.size()) + " bytes");
    } catch (const std::length_error &) {
    }
    if (archive != before)
        fail("appendMemoRecord changed the archive before refusing a text too long");
    try {
        (void)notepack::MakeMemoRecord(text);
        fail("MakeMemoRecord took a text of", std::to_string(text.size()) + " bytes");
    } catch (const std::length_error &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkAcceptedOnlyIfWritten({reinterpret_cast<const char *>(data), size});
    if (size == 0)
        return 0;

    Input in(data, size);
    const std::size_t nameLength = 1 + in.byte() % notepack::kMaxCategoryNameLength;
    std::string category = in.bytes(nameLength);
    category.resize(nameLength, 'c');

    // A byte below F0 is the length of a text that follows in the input. From
    // F0 up, while long texts are left, it makes a long text by repeating a
    // few bytes: just under the limit, at it, anywhere up to it or just over.
    std::vector<std::string> texts;
    std::size_t longTexts = 0;
    while (!in.atEnd()) {
        const unsigned kind = in.byte();
        if (kind < 0xF0 || longTexts == kLongTextsAnInput) {
            texts.push_back(in.bytes(kind));
            continue;
        }
        ++longTexts;
        unsigned value = in.byte();
        value |= in.byte() << 8;
        std::size_t length = 0;
        switch (kind % 4) {
        case 0: length = kMaxMemoTextLength - value % 16; break;
        case 1: length = kMaxMemoTextLength; break;
        case 2: length = value % (kMaxMemoTextLength + 1); break;
        default: length = kMaxMemoTextLength + 1 + value % 16; break;
        }
        const std::string pattern = in.bytes(1 + in.byte() % 4);
        texts.push_back(repeated(pattern.empty() ? std::string_view("\xFF") : pattern, length));
    }

    const auto memoCount = static_cast<std::int32_t>(std::count_if(
        texts.begin(), texts.end(), [](const std::string &text) { return text.size() <= kMaxMemoTextLength; }));
    std::string archive = notepack::MakeArchiveHeader(memoCount, category);
    // Four for the version tag, 15 for the file name, 21 for the category
    // table, the two names, and 38 for the row layout and the entry count.
    const std::size_t expectedHeaderSize =
        4 + 15 + 21 + 1 + category.size() + 1 + std::min<std::size_t>(category.size(), 8) + 38;
    if (archive.size() != expectedHeaderSize)
        fail("the header is", std::to_string(archive.size()) + " bytes, not " +
                                  std::to_string(expectedHeaderSize));

    std::vector<std::string> memos;
    for (const std::string &text : texts) {
        if (text.size() > kMaxMemoTextLength) {
            checkTooLongIsRefused(archive, text);
            continue;
        }
        const std::size_t recordStart = archive.size();
        notepack::appendMemoRecord(archive, text);
        if (archive.size() != recordStart + notepack::kMemoRecordOverhead + text.size())
            fail("a record of a text of", std::to_string(text.size()) + " bytes has the wrong size");
        if (archive.compare(recordStart, std::string::npos, notepack::MakeMemoRecord(text)) != 0)
            fail("MakeMemoRecord differs from what appendMemoRecord appended");
        memos.push_back(text);
    }

    std::string whyNot;
    const std::optional<ParsedArchive> parsed = readArchive(archive, &whyNot);
    if (!parsed)
        fail("the reader refused a written archive:", whyNot);
    if (parsed->categoryName != category)
        fail("the category name read back differs");
    if (parsed->memos != memos)
        fail("the memos read back differ");

    // One byte changed where the input's last bytes say: refused, or read as
    // an archive the writer makes. A cut there is always refused.
    const std::size_t offset = (data[size - 1] * 257u + size) % archive.size();
    const auto mask = static_cast<char>(data[size / 2] | 1);
    std::string changed = archive;
    changed[offset] = static_cast<char>(changed[offset] ^ mask);
    checkAcceptedOnlyIfWritten(changed);
    if (readArchive(std::string_view(archive).substr(0, offset)))
        fail("the reader accepted an archive cut short to", std::to_string(offset) + " bytes");
    return 0;
}
