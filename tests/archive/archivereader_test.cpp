// SPDX-License-Identifier: MIT
#include "archivereader.h"

#include "archiveformat.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using notepack::appendMemoRecord;
using notepack::MakeArchiveHeader;
using notepack::MakeMemoRecord;

namespace {

std::string archiveOf(std::string_view category, const std::vector<std::string> &memos)
{
    std::string archive = MakeArchiveHeader(static_cast<std::int32_t>(memos.size()), category);
    for (const std::string &memo : memos)
        appendMemoRecord(archive, memo);
    return archive;
}

std::string everyByteValue()
{
    std::string text;
    for (int value = 0; value < 256; ++value)
        text.push_back(static_cast<char>(value));
    return text;
}

// A memo of the longest length, with a one-byte text made longer by extra
// bytes, its length field set to match: everything else about it is right.
std::string archiveWithOverlongMemo(std::size_t length)
{
    std::string record = MakeMemoRecord(std::string(notepack::kMaxMemoTextLength, 'x'));
    record.insert(35, length - notepack::kMaxMemoTextLength, 'x');
    record[33] = static_cast<char>(length & 0xFF);
    record[34] = static_cast<char>(length >> 8);
    return MakeArchiveHeader(1, "test") + record;
}

struct WellFormed {
    const char *name;
    std::string category;
    std::vector<std::string> memos;
};

void PrintTo(const WellFormed &archive, std::ostream *out) { *out << archive.name; }

class ReadArchiveAcceptsTest : public ::testing::TestWithParam<WellFormed> {};

TEST_P(ReadArchiveAcceptsTest, GivesBackTheCategoryAndTheTexts)
{
    const WellFormed &expected = GetParam();
    std::string whyNot = "left from before";
    const std::optional<ParsedArchive> parsed =
        readArchive(archiveOf(expected.category, expected.memos), &whyNot);
    ASSERT_TRUE(parsed) << whyNot;
    EXPECT_EQ(whyNot, "");
    EXPECT_EQ(parsed->categoryName, expected.category);
    EXPECT_EQ(parsed->memos, expected.memos);
}

INSTANTIATE_TEST_SUITE_P(
    CoreArchives, ReadArchiveAcceptsTest,
    ::testing::Values(
        WellFormed{"NoMemos", "test", {}},
        WellFormed{"OneMemo", "test", {"abc"}},
        WellFormed{"ThreeMemos", "test", {"first", "second\r\nline", "third"}},
        WellFormed{"EmptyMemo", "test", {""}},
        WellFormed{"EmptyMemoBetween", "test", {"a", "", "b"}},
        WellFormed{"LongestMemo", "test", {std::string(notepack::kMaxMemoTextLength, 'm')}},
        // FF bytes and whole records inside a text must not be taken for markers.
        WellFormed{"LongestMemoOfFFThenAnother", "Recipes",
                   {std::string(notepack::kMaxMemoTextLength, '\xFF'), "after"}},
        WellFormed{"EveryByteValue", "test", {everyByteValue()}},
        WellFormed{"TextThatLooksLikeARecord", "test", {MakeMemoRecord("inner"), "outer"}},
        WellFormed{"BusinessNotes", "Business notes", {"Call Bob", "Send the invoice"}},
        WellFormed{"OneByteName", "x", {"a"}},
        WellFormed{"EightByteName", "Exactly8", {}},
        WellFormed{"FifteenByteName", "ABCDEFGHIJKLMNO", {"a"}},
        WellFormed{"Windows1252Name", "Caf\xE9 \x80", {"\xE9t\xE9"}}),
    [](const ::testing::TestParamInfo<WellFormed> &info) { return info.param.name; });

// The 142 bytes of a "test" archive holding the memo "abc", written out by
// hand so that the reader is not only checked against the writer.
TEST(ReadArchiveTest, ReadsTheHandWrittenExample)
{
    const unsigned char example[] = {
        0x00, 0x01, 0x50, 0x4D, 0x0E, 0x43, 0x3A, 0x5C, 0x70, 0x75, 0x7A, 0x7A, 0x6C, 0x65, 0x73,
        0x2E, 0x6D, 0x70, 0x61, 0x00, 0x83, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x82, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x04, 0x74, 0x65, 0x73, 0x74,
        0x04, 0x74, 0x65, 0x73, 0x74, 0x40, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x01,
        0x00, 0x01, 0x00, 0x05, 0x00, 0x06, 0x00, 0x01, 0x00, 0x06, 0x00, 0x00, 0x00, // header
        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0xFF, 0x03, 0x00, 0x61, 0x62, 0x63, 0x06, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}; // "abc"
    std::string whyNot;
    const std::optional<ParsedArchive> parsed =
        readArchive({reinterpret_cast<const char *>(example), sizeof example}, &whyNot);
    ASSERT_TRUE(parsed) << whyNot;
    EXPECT_EQ(parsed->categoryName, "test");
    EXPECT_EQ(parsed->memos, std::vector<std::string>{"abc"});
}

// "Business notes" with the memos "abc" and "de". Its header is 102 bytes:
// the category names take bytes 40 to 63 (14 + 8 and their length bytes). The
// first record takes 102 to 155, its text 137 to 139; the second 156 to 208.
const std::string kBase = archiveOf("Business notes", {"abc", "de"});

std::function<std::string()> withByte(std::size_t offset, int value)
{
    return [offset, value] {
        std::string bytes = kBase;
        bytes.at(offset) = static_cast<char>(value);
        return bytes;
    };
}

std::function<std::string()> cutTo(std::size_t size)
{
    return [size] { return kBase.substr(0, size); };
}

struct Corruption {
    const char *name;
    std::function<std::string()> bytes;
    // The reason must start with this field name and " at byte <offset>: ".
    std::string field;
    std::size_t offset;
    std::string problem = {}; // and hold this, when given
};

void PrintTo(const Corruption &corruption, std::ostream *out) { *out << corruption.name; }

class ReadArchiveRejectsTest : public ::testing::TestWithParam<Corruption> {};

TEST_P(ReadArchiveRejectsTest, NamesTheFieldThatDeviates)
{
    const Corruption &corruption = GetParam();
    const std::string bytes = corruption.bytes();
    ASSERT_NE(bytes, kBase);
    std::string whyNot;
    EXPECT_FALSE(readArchive(bytes, &whyNot));
    const std::string start = corruption.field + " at byte " + std::to_string(corruption.offset) + ": ";
    EXPECT_EQ(whyNot.substr(0, start.size()), start) << whyNot;
    EXPECT_NE(whyNot.find(corruption.problem), std::string::npos) << whyNot;
    // Without a place for the reason the answer is the same.
    EXPECT_FALSE(readArchive(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    CorruptedArchives, ReadArchiveRejectsTest,
    ::testing::Values(
        Corruption{"VersionTagSecondByte", withByte(1, 0x02), "version tag", 0},
        Corruption{"VersionTagLastByte", withByte(3, 0x4E), "version tag", 0},
        Corruption{"FileNameLength", withByte(4, 0x0D), "file name", 4},
        Corruption{"FileNameLengthFF", withByte(4, 0xFF), "file name", 4, "short-form"},
        Corruption{"FileNameDrive", withByte(5, 'D'), "file name", 4},
        Corruption{"FileNameExtensionCase", withByte(16, 'M'), "file name", 4},
        Corruption{"TableStringNotEmpty", withByte(19, 0x01), "table string", 19},
        Corruption{"NextFreeCategoryId", withByte(20, 0x84), "next free category ID", 20, "132"},
        Corruption{"NextFreeCategoryIdHighByte", withByte(23, 0x01), "next free category ID", 20},
        Corruption{"CategoryCount", withByte(24, 0x02), "category count", 24},
        Corruption{"CategoryIndex", withByte(28, 0x00), "category index", 28},
        Corruption{"CategoryId", withByte(32, 0x83), "category ID", 32},
        Corruption{"DirtyFlag", withByte(36, 0x00), "category dirty flag", 36},
        // One byte shorter: "Business note" against a short name of 115 bytes.
        Corruption{"LongNameLength", withByte(40, 0x0D), "short category name", 54},
        Corruption{"LongNameMirroredByte", withByte(41, 'b'), "short category name", 55},
        Corruption{"ShortNameLength", withByte(55, 0x07), "short category name", 55},
        Corruption{"ShortNameByte", withByte(63, 'S'), "short category name", 55},
        Corruption{"EmptyCategoryName", [] { return archiveOf("", {"abc"}); },
                   "long category name", 40, "0 bytes"},
        Corruption{"SixteenByteCategoryName", [] { return archiveOf("ABCDEFGHIJKLMNOP", {"abc"}); },
                   "long category name", 40, "16 bytes"},
        Corruption{"ResourceId", withByte(64, 0x41), "resource ID", 64},
        Corruption{"FieldsARow", withByte(68, 0x05), "fields a row", 68},
        Corruption{"FieldPosition0", withByte(72, 0x01), "field position 0", 72},
        Corruption{"FieldPosition1", withByte(76, 0x00), "field position 1", 76},
        Corruption{"FieldPosition2", withByte(80, 0x03), "field position 2", 80},
        Corruption{"FieldTypeCount", withByte(84, 0x05), "field type count", 84},
        Corruption{"FieldTypeCountHighByte", withByte(85, 0x01), "field type count", 84},
        Corruption{"FieldType1", withByte(86, 0x02), "field type 1", 86},
        Corruption{"FieldType2", withByte(88, 0x05), "field type 2", 88},
        Corruption{"FieldType3HighByte", withByte(91, 0x01), "field type 3", 90},
        Corruption{"FieldType4", withByte(92, 0x01), "field type 4", 92},
        Corruption{"FieldType5", withByte(94, 0x05), "field type 5", 94},
        Corruption{"FieldType6", withByte(96, 0x06), "field type 6", 96},
        Corruption{"EntryCountSixMore", withByte(98, 18), "entry count", 98, "18 for 2 records"},
        Corruption{"EntryCountSixFewer", withByte(98, 6), "entry count", 98, "6 for 2 records"},
        Corruption{"EntryCountOneMore", withByte(98, 13), "entry count", 98},
        Corruption{"EntryCountHighByte", withByte(101, 0x01), "entry count", 98},
        Corruption{"RecordIdFieldType", withByte(102, 0x00), "record 1, record ID field type", 102},
        Corruption{"RecordId", withByte(106, 0x01), "record 1, record ID", 106},
        Corruption{"StatusFieldType", withByte(110, 0x02), "record 1, status field type", 110},
        Corruption{"Status", withByte(114, 0x00), "record 1, status", 114},
        Corruption{"PositionFieldType", withByte(118, 0x00), "record 1, position field type", 118},
        Corruption{"Position", withByte(122, 0x01), "record 1, position", 122},
        Corruption{"TextFieldType", withByte(126, 0x04), "record 1, text field type", 126},
        Corruption{"LongBeforeText", withByte(130, 0x01), "record 1, long before the text", 130},
        Corruption{"Marker", withByte(134, 0xFE), "record 1, long-form marker", 134},
        // A length one off takes a byte from, or leaves one to, the fields after the text.
        Corruption{"TextLengthOneMore", withByte(135, 0x04), "record 1, private field type", 141},
        Corruption{"TextLengthOneLess", withByte(135, 0x02), "record 1, private field type", 139},
        Corruption{"TextLengthHighByte", withByte(136, 0x01), "record 1, text", 137, "truncated"},
        Corruption{"PrivateFieldType", withByte(140, 0x05), "record 1, private field type", 140},
        Corruption{"PrivateFlag", withByte(144, 0x01), "record 1, private flag", 144},
        Corruption{"CategoryFieldType", withByte(148, 0x00), "record 1, category field type", 148},
        Corruption{"MemoCategoryIndex", withByte(152, 0x02), "record 1, category index of the memo", 152},
        Corruption{"SecondRecordId", withByte(160, 0x01), "record 2, record ID", 160},
        Corruption{"SecondMarker", withByte(188, 0x00), "record 2, long-form marker", 188},
        Corruption{"LastByte", withByte(208, 0x01), "record 2, category index of the memo", 205},
        Corruption{"TruncatedByOneByte", cutTo(208), "record 2, category index of the memo", 205,
                   "truncated"},
        Corruption{"TruncatedInTheHeader", cutTo(50), "long category name", 40, "truncated"},
        Corruption{"Empty", cutTo(0), "version tag", 0, "truncated"},
        Corruption{"OneExtraByte", [] { return kBase + '\0'; }, "record 3, record ID field type", 209,
                   "truncated"},
        Corruption{"ExtraRecordNotCounted", [] { return kBase + MakeMemoRecord("f"); }, "entry count",
                   98, "12 for 3 records"},
        Corruption{"LastRecordMissing", cutTo(156), "entry count", 98, "12 for 1 records"},
        Corruption{"NoRecords", cutTo(102), "entry count", 98, "12 for 0 records"},
        Corruption{"TextLength65534", [] { return archiveWithOverlongMemo(65534); },
                   "record 1, text length", 88 + 33, "65534"},
        Corruption{"TextLength65535", [] { return archiveWithOverlongMemo(65535); },
                   "record 1, text length", 88 + 33, "65535"}),
    [](const ::testing::TestParamInfo<Corruption> &info) { return info.param.name; });

// Whatever the cut, an archive that lost its end is not taken for a shorter one.
TEST(ReadArchiveTest, RejectsEveryProperPrefix)
{
    for (std::size_t size = 0; size < kBase.size(); ++size)
        EXPECT_FALSE(readArchive(kBase.substr(0, size))) << "cut to " << size << " bytes";
}

// Changing any byte of the archive is caught, unless it is a byte of a text or
// one of the long name's that the short name does not repeat: then the
// change is read back as it was made.
TEST(ReadArchiveTest, EveryChangedByteIsRejectedOrReadBack)
{
    const std::size_t nameStart = 41;
    const std::size_t nameEnd = nameStart + 14;
    const std::size_t texts[][2] = {{137, 140}, {191, 193}};
    for (std::size_t offset = 0; offset < kBase.size(); ++offset) {
        for (const int mask : {0x01, 0x80, 0xFF}) {
            std::string bytes = kBase;
            bytes[offset] = static_cast<char>(bytes[offset] ^ mask);
            const std::optional<ParsedArchive> parsed = readArchive(bytes);

            ParsedArchive expected{"Business notes", {"abc", "de"}};
            bool readable = false;
            if (offset >= nameStart + 8 && offset < nameEnd) {
                expected.categoryName[offset - nameStart] ^= static_cast<char>(mask);
                readable = true;
            }
            for (std::size_t memo = 0; memo < 2; ++memo) {
                if (offset >= texts[memo][0] && offset < texts[memo][1]) {
                    expected.memos[memo][offset - texts[memo][0]] ^= static_cast<char>(mask);
                    readable = true;
                }
            }
            SCOPED_TRACE("byte " + std::to_string(offset) + " changed by " + std::to_string(mask));
            ASSERT_EQ(parsed.has_value(), readable);
            if (readable) {
                EXPECT_EQ(parsed->categoryName, expected.categoryName);
                EXPECT_EQ(parsed->memos, expected.memos);
            }
        }
    }
}

} // namespace
