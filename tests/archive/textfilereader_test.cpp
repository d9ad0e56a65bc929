// SPDX-License-Identifier: MIT
#include "textfilereader.h"

#include "archiveformat.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace notepack;
using Status = MemoText::Status;

namespace {

class TextFileReaderTest : public testing::Test {
protected:
    ScratchFolder m_folder;
    TextFileReader m_reader;
};

TEST_F(TextFileReaderTest, AppendsTheConvertedTextAfterWhatIsThere)
{
    std::string out = "head";
    const auto file = m_folder.write("a.txt", "caf\xC3\xA9");
    const TextFileReader::Result result = m_reader.appendText(out, file);
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(out, "headcaf\xE9");
}

TEST_F(TextFileReaderTest, ABigFileThenASmallOneGiveEachTheirOwnText)
{
    std::string big;
    for (int i = 0; big.size() < 60000; ++i)
        big += "line " + std::to_string(i) + "\n";
    const auto bigFile = m_folder.write("big.txt", big);
    const auto smallFile = m_folder.write("small.txt", "abc");
    const auto emptyFile = m_folder.write("empty.txt", "");

    std::string first;
    std::string second;
    std::string third;
    std::string fourth;
    EXPECT_EQ(m_reader.appendText(first, bigFile).status, Status::Loaded);
    EXPECT_EQ(m_reader.appendText(second, smallFile).status, Status::Loaded);
    EXPECT_EQ(m_reader.appendText(third, emptyFile).status, Status::Loaded);
    EXPECT_EQ(m_reader.appendText(fourth, bigFile).status, Status::Loaded);
    EXPECT_EQ(first, big);
    EXPECT_EQ(second, "abc");
    EXPECT_EQ(third, "");
    EXPECT_EQ(fourth, big);
}

TEST_F(TextFileReaderTest, LeavesTheOutputAsItWasUnlessLoaded)
{
    ASSERT_EQ(mkfifo((m_folder.path() / "pipe").c_str(), 0600), 0);
    std::string out = "keep";

    const TextFileReader::Result missing =
        m_reader.appendText(out, m_folder.path() / "missing.txt");
    EXPECT_EQ(missing.status, Status::Unreadable);
    EXPECT_FALSE(missing.opened);
    const TextFileReader::Result pipe = m_reader.appendText(out, m_folder.path() / "pipe");
    EXPECT_EQ(pipe.status, Status::Unreadable);
    EXPECT_FALSE(pipe.opened);

    const auto tooLongFile =
        m_folder.write("too long.txt", std::string(kMaxMemoTextLength + 1, 't'));
    const TextFileReader::Result tooLong = m_reader.appendText(out, tooLongFile);
    EXPECT_EQ(tooLong.status, Status::TooLong);
    EXPECT_TRUE(tooLong.opened);
    EXPECT_EQ(tooLong.fileSize, kMaxMemoTextLength + 1);
    EXPECT_EQ(out, "keep");

    // Still usable after a refusal.
    EXPECT_EQ(m_reader.appendText(out, m_folder.write("a.txt", "a")).status, Status::Loaded);
    EXPECT_EQ(out, "keepa");
}

} // namespace
