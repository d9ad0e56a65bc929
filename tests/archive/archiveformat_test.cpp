// SPDX-License-Identifier: MIT
#include "archiveformat.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace notepack;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int value : values)
        out.push_back(static_cast<char>(value));
    return out;
}

const std::string kHeaderForOneMemo = bytes(
    {0x00, 0x01, 0x50, 0x4D, 0x0E, 0x43, 0x3A, 0x5C, 0x70, 0x75, 0x7A, 0x7A, 0x6C, 0x65, 0x73,
     0x2E, 0x6D, 0x70, 0x61, 0x00, 0x83, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
     0x00, 0x00, 0x82, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x04, 0x74, 0x65, 0x73, 0x74,
     0x04, 0x74, 0x65, 0x73, 0x74, 0x40, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
     0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x01,
     0x00, 0x01, 0x00, 0x05, 0x00, 0x06, 0x00, 0x01, 0x00, 0x06, 0x00, 0x00, 0x00});

const std::string kAbcRecord = bytes(
    {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
     0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00,
     0x00, 0x00, 0x00, 0x00, 0xFF, 0x03, 0x00, 0x61, 0x62, 0x63, 0x06, 0x00, 0x00, 0x00,
     0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00});

std::string lastFour(const std::string &text) { return text.substr(text.size() - 4); }

TEST(ArchiveHeaderTest, IsExactlyTheEightyEightBytesForOneMemo)
{
    ASSERT_EQ(kHeaderForOneMemo.size(), 88u);
    EXPECT_EQ(MakeArchiveHeader(1, "test"), kHeaderForOneMemo);
}

TEST(ArchiveHeaderTest, CountsSixEntriesAMemo)
{
    EXPECT_EQ(lastFour(MakeArchiveHeader(0, "test")), bytes({0, 0, 0, 0}));
    EXPECT_EQ(lastFour(MakeArchiveHeader(2, "test")), bytes({0x0C, 0, 0, 0}));
    EXPECT_EQ(lastFour(MakeArchiveHeader(3, "test")), bytes({0x12, 0, 0, 0}));
    EXPECT_EQ(lastFour(MakeArchiveHeader(50000, "test")), bytes({0xE0, 0x93, 0x04, 0}));
}

TEST(ArchiveHeaderTest, CutsTheShortCategoryNameToEightCharacters)
{
    const std::string header = MakeArchiveHeader(0, "Business notes");
    const std::string names = header.substr(40, 1 + 14 + 1 + 8);
    EXPECT_EQ(names, "\x0E"
                     "Business notes"
                     "\x08"
                     "Business");
    EXPECT_EQ(header.size(), 88u - 10 + names.size());
    // Everything after the names is as in the "test" header.
    EXPECT_EQ(header.substr(40 + names.size()), MakeArchiveHeader(0, "test").substr(50));
}

TEST(ArchiveHeaderTest, RefusesWhatTheFormatCannotHold)
{
    EXPECT_THROW(MakeArchiveHeader(0, std::string(255, 'x')), std::length_error);
    EXPECT_THROW(MakeArchiveHeader(-1, "test"), std::length_error);
    EXPECT_THROW(MakeArchiveHeader(0x7FFFFFFF / 6 + 1, "test"), std::length_error);
}

TEST(MemoRecordTest, IsExactlyTheFiftyFourBytesForAbc)
{
    EXPECT_EQ(MakeMemoRecord("abc"), kAbcRecord);
    EXPECT_EQ(MakeArchiveHeader(1, "test") + MakeMemoRecord("abc"), kHeaderForOneMemo + kAbcRecord);
    EXPECT_EQ((kHeaderForOneMemo + kAbcRecord).size(), 142u);
}

TEST(MemoRecordTest, EmptyTextStillUsesTheLongForm)
{
    const std::string record = MakeMemoRecord("");
    ASSERT_EQ(record.size(), 51u);
    EXPECT_EQ(record.substr(32, 3), bytes({0xFF, 0x00, 0x00}));
    EXPECT_EQ(record.substr(35), kAbcRecord.substr(38));
}

TEST(MemoRecordTest, LengthIsLittleEndianAfterTheMarker)
{
    const std::string text(300, 'x');
    const std::string record = MakeMemoRecord(text);
    ASSERT_EQ(record.size(), 51u + 300);
    EXPECT_EQ(record.substr(32, 3), bytes({0xFF, 0x2C, 0x01}));
    EXPECT_EQ(record.substr(35, 300), text);
}

TEST(MemoRecordTest, TextBytesGoInUnchanged)
{
    const std::string text = bytes({0x00, 0x0D, 0x0A, 0x80, 0xE9, 0xFF});
    EXPECT_EQ(MakeMemoRecord(text).substr(35, text.size()), text);
}

TEST(MemoRecordTest, HoldsUpTo65533BytesAndNoMore)
{
    const std::string longest(kMaxMemoTextLength, 'a');
    EXPECT_EQ(MakeMemoRecord(longest).substr(32, 3), bytes({0xFF, 0xFD, 0xFF}));
    // FFFE and FFFF would be read as markers, not as lengths.
    EXPECT_THROW(MakeMemoRecord(std::string(65534, 'a')), std::length_error);
    EXPECT_THROW(MakeMemoRecord(std::string(65535, 'a')), std::length_error);
}

TEST(MemoRecordTest, TwoStepsGiveTheSameRecordWithTheLengthFilledIn)
{
    for (const std::string &text :
         {std::string(), std::string("abc"), std::string(kMaxMemoTextLength, 'a')}) {
        std::string archive = "head";
        const std::size_t textStart = startMemoRecord(archive);
        EXPECT_EQ(textStart, 4u + 35);
        archive += text;
        finishMemoRecord(archive, textStart);
        EXPECT_EQ(archive, "head" + MakeMemoRecord(text));
    }
}

TEST(MemoRecordTest, TwoStepsRefuseATextTooLong)
{
    std::string archive;
    const std::size_t textStart = startMemoRecord(archive);
    archive += std::string(65534, 'a');
    EXPECT_THROW(finishMemoRecord(archive, textStart), std::length_error);
}

TEST(MemoRecordTest, RecordsFollowEachOtherDirectly)
{
    std::string archive = MakeArchiveHeader(2, "test");
    appendMemoRecord(archive, "abc");
    appendMemoRecord(archive, "de");
    EXPECT_EQ(archive, MakeArchiveHeader(2, "test") + kAbcRecord + MakeMemoRecord("de"));
    EXPECT_EQ(archive.size(), 88u + 54 + 53);
}

} // namespace
