// SPDX-License-Identifier: MIT
#include "memotext.h"

#include "archiveformat.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace notepack;
using Status = MemoText::Status;

namespace {

class LoadTextFileTest : public testing::Test {
protected:
    ScratchFolder m_folder;
};

TEST_F(LoadTextFileTest, ConvertsTheWholeFileAndNamesIt)
{
    const auto file = m_folder.write("notes/caf\xC3\xA9.txt", "caf\xC3\xA9\r\n\xE2\x82\xAC\n");
    const MemoText memo = LoadTextFile(file);
    EXPECT_EQ(memo.status, Status::Loaded);
    EXPECT_EQ(memo.text, "caf\xE9\r\n\x80\n");
    EXPECT_EQ(memo.fileName, "caf\xC3\xA9.txt");
}

TEST_F(LoadTextFileTest, EmptyFileGivesEmptyText)
{
    const MemoText memo = LoadTextFile(m_folder.write("empty.txt", ""));
    EXPECT_EQ(memo.status, Status::Loaded);
    EXPECT_EQ(memo.text, "");
    EXPECT_EQ(memo.fileName, "empty.txt");
}

TEST_F(LoadTextFileTest, ReadsFilesLargerThanOneBuffer)
{
    std::string text;
    for (int i = 0; text.size() < 60000; ++i)
        text += "line " + std::to_string(i) + "\n";
    const MemoText memo = LoadTextFile(m_folder.write("long.txt", text));
    EXPECT_EQ(memo.status, Status::Loaded);
    EXPECT_EQ(memo.text, text);
}

TEST_F(LoadTextFileTest, WhatCannotBeOpenedGivesEmptyTextAndNoName)
{
    ASSERT_EQ(mkfifo((m_folder.path() / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(m_folder.path() / "gone", m_folder.path() / "dangling");
    // A named pipe must not block the run waiting for a writer.
    for (const char *name : {"missing.txt", "pipe", "dangling", "."}) {
        SCOPED_TRACE(name);
        const MemoText memo = LoadTextFile(m_folder.path() / name);
        EXPECT_EQ(memo.status, Status::Unreadable);
        EXPECT_EQ(memo.text, "");
        EXPECT_EQ(memo.fileName, std::nullopt);
    }
}

TEST_F(LoadTextFileTest, FollowsALinkToAFile)
{
    const auto file = m_folder.write("real.txt", "abc");
    std::filesystem::create_symlink(file, m_folder.path() / "link.txt");
    const MemoText memo = LoadTextFile(m_folder.path() / "link.txt");
    EXPECT_EQ(memo.text, "abc");
    EXPECT_EQ(memo.fileName, "link.txt");
}

TEST_F(LoadTextFileTest, HoldsTheLongestMemoAndRefusesOneByteMore)
{
    const MemoText longest = LoadTextFile(m_folder.write("a.txt", std::string(kMaxMemoTextLength, 'a')));
    EXPECT_EQ(longest.status, Status::Loaded);
    EXPECT_EQ(longest.text.size(), kMaxMemoTextLength);

    const MemoText tooLong = LoadTextFile(m_folder.write("b.txt", std::string(65534, 'b')));
    EXPECT_EQ(tooLong.status, Status::TooLong);
    EXPECT_EQ(tooLong.fileSize, 65534u);
    EXPECT_EQ(tooLong.fileName, "b.txt");
    EXPECT_EQ(tooLong.text, "");
}

TEST_F(LoadTextFileTest, TheLimitCountsConvertedBytes)
{
    // 50,000 two-byte characters make a 50,000-byte memo from a 100,000-byte file.
    std::string text;
    for (int i = 0; i < 50000; ++i)
        text += "\xC3\xA9";
    const MemoText memo = LoadTextFile(m_folder.write("accents.txt", text));
    EXPECT_EQ(memo.status, Status::Loaded);
    EXPECT_EQ(memo.text, std::string(50000, '\xE9'));

    // With a byte-order mark, which is dropped, the text just fits.
    const MemoText marked =
        LoadTextFile(m_folder.write("marked.txt", "\xEF\xBB\xBF" + std::string(kMaxMemoTextLength, 'm')));
    EXPECT_EQ(marked.status, Status::Loaded);
    EXPECT_EQ(marked.text.size(), kMaxMemoTextLength);
}

TEST_F(LoadTextFileTest, RefusesAHugeFileWithoutReadingItWhole)
{
    const auto file = m_folder.path() / "huge.txt";
    m_folder.write("huge.txt", "");
    // Sparse: takes no disk space, but reading it whole would take minutes.
    std::filesystem::resize_file(file, 5'000'000'000);
    const MemoText memo = LoadTextFile(file);
    EXPECT_EQ(memo.status, Status::TooLong);
    EXPECT_EQ(memo.fileSize, 5'000'000'000u);
}

} // namespace
