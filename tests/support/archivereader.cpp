// SPDX-License-Identifier: MIT
#include "archivereader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace {

// The limits are restated here rather than taken from the core, so that a
// wrong limit there shows up as a disagreement.
constexpr std::size_t kLongestMemo = 65533; // FFFE and FFFF are string markers
constexpr std::size_t kLongestCategoryName = 15;
constexpr std::size_t kShortNameLength = 8;
constexpr std::uint32_t kEntriesPerMemo = 6;

constexpr std::string_view kVersionTag{"\x00\x01\x50\x4D", 4};
constexpr std::string_view kFileName = "C:\\puzzles.mpa";

// Thrown at the first deviation and caught by readArchive; it never leaves
// this file.
struct Deviation {
    std::string why;
};

// Reads fields one after the other. Each field is named as it starts, so that
// a deviation is reported as "<field> at byte <where it starts>: <problem>".
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_offset == m_bytes.size(); }

    // Put in front of every field's name; it says which record went wrong.
    void setContext(std::string context) { m_context = std::move(context); }

    void startField(const std::string &name)
    {
        m_field = m_context + name;
        m_fieldStart = m_offset;
    }

    [[noreturn]] void fail(const std::string &problem) const
    {
        throw Deviation{m_field + " at byte " + std::to_string(m_fieldStart) + ": " + problem};
    }

    std::string_view take(std::size_t count)
    {
        const std::size_t left = m_bytes.size() - m_offset;
        if (left < count)
            fail("truncated, " + std::to_string(count) + " bytes needed but " +
                 std::to_string(left) + " left");
        const std::string_view taken = m_bytes.substr(m_offset, count);
        m_offset += count;
        return taken;
    }

    // Little-endian, like every number in the archive.
    std::uint32_t number(std::size_t width)
    {
        const std::string_view bytes = take(width);
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(bytes[i]);
        return value;
    }

    void expectNumber(const std::string &name, std::size_t width, std::uint32_t expected)
    {
        startField(name);
        const std::uint32_t value = number(width);
        if (value != expected)
            fail(std::to_string(value) + " instead of " + std::to_string(expected));
    }

    void expectBytes(const std::string &name, std::string_view expected)
    {
        startField(name);
        if (take(expected.size()) != expected)
            fail("not the expected bytes");
    }

    // A length byte and that many bytes; FF would announce a longer form.
    std::string_view shortString(const std::string &name)
    {
        startField(name);
        const std::size_t length = number(1);
        if (length == 0xFF)
            fail("length byte FF, not a short-form string");
        return take(length);
    }

private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
    std::string m_context;
    std::string m_field;
    std::size_t m_fieldStart = 0;
};

void readHeader(Cursor &in, ParsedArchive &archive)
{
    in.expectBytes("version tag", kVersionTag);
    if (in.shortString("file name") != kFileName)
        in.fail("not C:\\puzzles.mpa");
    if (!in.shortString("table string").empty())
        in.fail("not empty");
    in.expectNumber("next free category ID", 4, 131);
    in.expectNumber("category count", 4, 1);
    in.expectNumber("category index", 4, 1);
    in.expectNumber("category ID", 4, 130);
    in.expectNumber("category dirty flag", 4, 1);

    const std::string_view name = in.shortString("long category name");
    if (name.empty() || name.size() > kLongestCategoryName)
        in.fail(std::to_string(name.size()) + " bytes long, not 1 to 15");
    if (in.shortString("short category name") != name.substr(0, kShortNameLength))
        in.fail("not the first 8 bytes of the long name");
    archive.categoryName = name;

    in.expectNumber("resource ID", 4, 64);
    in.expectNumber("fields a row", 4, 6);
    in.expectNumber("field position 0", 4, 0);
    in.expectNumber("field position 1", 4, 1);
    in.expectNumber("field position 2", 4, 2);
    in.expectNumber("field type count", 2, 6);
    // Integer, integer, integer, string, boolean, integer.
    const std::uint32_t fieldTypes[] = {1, 1, 1, 5, 6, 1};
    for (std::size_t i = 0; i < 6; ++i)
        in.expectNumber("field type " + std::to_string(i + 1), 2, fieldTypes[i]);
}

std::string readRecord(Cursor &in)
{
    // Each field is its type, then its value.
    in.expectNumber("record ID field type", 4, 1);
    in.expectNumber("record ID", 4, 0);
    in.expectNumber("status field type", 4, 1);
    in.expectNumber("status", 4, 1);
    in.expectNumber("position field type", 4, 1);
    in.expectNumber("position", 4, 0);
    in.expectNumber("text field type", 4, 5);
    in.expectNumber("long before the text", 4, 0);
    in.expectNumber("long-form marker", 1, 0xFF);
    in.startField("text length");
    const std::size_t length = in.number(2);
    if (length > kLongestMemo)
        in.fail(std::to_string(length) + ", longer than 65533");
    in.startField("text");
    std::string text(in.take(length));
    in.expectNumber("private field type", 4, 6);
    in.expectNumber("private flag", 4, 0);
    in.expectNumber("category field type", 4, 1);
    in.expectNumber("category index of the memo", 4, 1);
    return text;
}

} // namespace

std::optional<ParsedArchive> readArchive(std::string_view bytes, std::string *whyNot)
{
    ParsedArchive archive;
    try {
        Cursor in(bytes);
        readHeader(in, archive);
        in.startField("entry count");
        const std::uint32_t entryCount = in.number(4);
        const Cursor atEntryCount = in;
        while (!in.atEnd()) {
            in.setContext("record " + std::to_string(archive.memos.size() + 1) + ", ");
            archive.memos.push_back(readRecord(in));
        }
        // 64 bits, so that no number of records can wrap around to a match.
        const std::uint64_t present = std::uint64_t{kEntriesPerMemo} * archive.memos.size();
        if (entryCount != present)
            atEntryCount.fail(std::to_string(entryCount) + " for " +
                              std::to_string(archive.memos.size()) + " records, not " +
                              std::to_string(present));
    } catch (const Deviation &deviation) {
        if (whyNot)
            *whyNot = deviation.why;
        return std::nullopt;
    }
    if (whyNot)
        whyNot->clear();
    return archive;
}
