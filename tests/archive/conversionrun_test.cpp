// SPDX-License-Identifier: MIT
#include "conversionrun.h"

#include "archiveformat.h"
#include "scratchfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace notepack;
using Outcome = ConversionResult::Outcome;
using testing::HasSubstr;

namespace {

struct Report {
    int memoNumber;
    std::string currentFileName;
    bool operator==(const Report &) const = default;
};

class ConvertFilesTest : public testing::Test {
protected:
    std::string archiveOf(const std::vector<std::string> &texts) const
    {
        std::string archive = MakeArchiveHeader(static_cast<std::int32_t>(texts.size()), "test");
        for (const std::string &text : texts)
            appendMemoRecord(archive, text);
        return archive;
    }

    ConversionResult convert(const std::vector<std::string> &paths)
    {
        m_reports.clear();
        return ConvertFiles(
            paths, "test", m_destination,
            [this](const MemoProgress &progress) {
                m_reports.push_back({progress.memoNumber, std::string(progress.currentFileName)});
                if (m_stopAfter == progress.memoNumber)
                    m_stop.request_stop();
            },
            m_stop.get_token());
    }

    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(m_folder.path()))
            names.push_back(entry.path().filename().string());
        std::ranges::sort(names);
        return names;
    }

    ScratchFolder m_folder;
    std::filesystem::path m_destination = m_folder.path() / "archive.mpa";
    std::vector<Report> m_reports;
    std::stop_source m_stop;
    int m_stopAfter = 0;
};

TEST_F(ConvertFilesTest, NoPathsGiveTheHeaderAlone)
{
    const ConversionResult result = convert({});
    EXPECT_TRUE(result.succeeded());
    const std::string written = ScratchFolder::read(m_destination);
    EXPECT_EQ(written, MakeArchiveHeader(0, "test"));
    EXPECT_EQ(written.size(), 88u);
    EXPECT_TRUE(m_reports.empty());
}

TEST_F(ConvertFilesTest, PacksEveryFileInOrderAndReportsEachMemo)
{
    const auto a = m_folder.write("in/a.txt", "first");
    const auto b = m_folder.write("in/b.txt", "caf\xC3\xA9");
    const auto c = m_folder.write("in/c.txt", "");
    const ConversionResult result = convert({c.string(), a.string(), b.string()});
    ASSERT_TRUE(result.succeeded()) << result.message();

    const std::string written = ScratchFolder::read(m_destination);
    EXPECT_EQ(written, archiveOf({"", "first", "caf\xE9"}));
    EXPECT_EQ(written.substr(84, 4), std::string("\x12\0\0\0", 4));
    EXPECT_EQ(written.substr(4, 15), "\x0E"
                                     "C:\\puzzles.mpa");
    EXPECT_EQ(m_reports, (std::vector<Report>{{1, "c.txt"}, {2, "a.txt"}, {3, "b.txt"}}));
}

TEST_F(ConvertFilesTest, MissingFileGivesEmptyMemoAndKeepsThePreviousName)
{
    const auto a = m_folder.write("a.txt", "abc");
    const std::string missing = (m_folder.path() / "deleted.txt").string();
    ASSERT_TRUE(convert({missing, a.string(), missing}).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf({"", "abc", ""}));
    EXPECT_EQ(m_reports, (std::vector<Report>{{1, ""}, {2, "a.txt"}, {3, "a.txt"}}));
}

TEST_F(ConvertFilesTest, ReplacesAnExistingArchiveCompletely)
{
    m_folder.write("archive.mpa", std::string(10000, 'o'));
    const auto a = m_folder.write("a.txt", "abc");
    ASSERT_TRUE(convert({a.string()}).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf({"abc"}));
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"a.txt", "archive.mpa"}));
}

TEST_F(ConvertFilesTest, KeepsThePermissionsOfTheFileItReplaces)
{
    m_folder.write("archive.mpa", "old");
    std::filesystem::permissions(m_destination, std::filesystem::perms(0640));
    ASSERT_TRUE(convert({}).succeeded());
    EXPECT_EQ(std::filesystem::status(m_destination).permissions(), std::filesystem::perms(0640));
}

TEST_F(ConvertFilesTest, WritesThroughALinkToTheFileItPointsAt)
{
    const auto target = m_folder.write("real/target.mpa", "old");
    std::filesystem::create_symlink(target, m_destination);
    ASSERT_TRUE(convert({}).succeeded());
    EXPECT_TRUE(std::filesystem::is_symlink(m_destination));
    EXPECT_EQ(ScratchFolder::read(target), archiveOf({}));
}

TEST_F(ConvertFilesTest, DestinationMayBeOneOfTheInputs)
{
    m_folder.write("archive.mpa", "was text");
    ASSERT_TRUE(convert({m_destination.string()}).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf({"was text"}));
}

TEST_F(ConvertFilesTest, StoppedRunWritesNothing)
{
    m_folder.write("archive.mpa", "keep me");
    const auto a = m_folder.write("a.txt", "abc");
    m_stopAfter = 2;
    const ConversionResult result = convert({a.string(), a.string(), a.string(), a.string()});
    EXPECT_EQ(result.outcome, Outcome::Stopped);
    EXPECT_EQ(m_reports.size(), 2u);
    EXPECT_EQ(ScratchFolder::read(m_destination), "keep me");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"a.txt", "archive.mpa"}));
}

TEST_F(ConvertFilesTest, TooLongMemoStopsTheRunBeforeAnythingIsWritten)
{
    m_folder.write("archive.mpa", "keep me");
    const auto fits = m_folder.write("fits.txt", std::string(kMaxMemoTextLength, 'f'));
    const auto tooLong = m_folder.write("too long.txt", std::string(65534, 't'));
    const ConversionResult result = convert({fits.string(), tooLong.string(), fits.string()});
    EXPECT_EQ(result.outcome, Outcome::MemoTooLong);
    EXPECT_EQ(result.path, tooLong.string());
    EXPECT_EQ(result.fileSize, 65534u);
    EXPECT_THAT(result.message(), HasSubstr(tooLong.string()));
    EXPECT_THAT(result.message(), HasSubstr("65,534 bytes"));
    EXPECT_THAT(result.message(), HasSubstr("65,533"));
    EXPECT_EQ(ScratchFolder::read(m_destination), "keep me");
    EXPECT_EQ(m_reports.size(), 1u);
}

TEST_F(ConvertFilesTest, TheLongestMemoIsPacked)
{
    const std::string text(kMaxMemoTextLength, 'x');
    const auto file = m_folder.write("longest.txt", text);
    ASSERT_TRUE(convert({file.string()}).succeeded());
    const std::string written = ScratchFolder::read(m_destination);
    EXPECT_EQ(written, archiveOf({text}));
    EXPECT_EQ(written.substr(88 + 32, 3), "\xFF\xFD\xFF");
}

TEST_F(ConvertFilesTest, TheLengthIsThatOfTheConvertedText)
{
    // 131,066 bytes of UTF-8 make the longest memo; its length is not the file's.
    std::string accents;
    for (std::size_t i = 0; i < kMaxMemoTextLength; ++i)
        accents += "\xC3\xA9";
    const auto longest = m_folder.write("longest.txt", accents);
    const auto cafe = m_folder.write("cafe.txt", "caf\xC3\xA9");
    std::vector<std::size_t> lengths;
    const ConversionResult result = ConvertFiles(
        {longest.string(), cafe.string()}, "test", m_destination,
        [&lengths](const MemoProgress &progress) { lengths.push_back(progress.textLength); });
    ASSERT_TRUE(result.succeeded()) << result.message();

    const std::string written = ScratchFolder::read(m_destination);
    EXPECT_EQ(written, archiveOf({std::string(kMaxMemoTextLength, '\xE9'), "caf\xE9"}));
    EXPECT_EQ(written.substr(88 + 32, 3), "\xFF\xFD\xFF");
    EXPECT_EQ(lengths, (std::vector<std::size_t>{kMaxMemoTextLength, 4}));
}

TEST_F(ConvertFilesTest, ABigFileThenSmallOnesEachGiveTheirOwnText)
{
    const std::string big(60000, 'b');
    const auto bigFile = m_folder.write("big.txt", big);
    const auto small = m_folder.write("small.txt", "abc");
    const auto empty = m_folder.write("empty.txt", "");
    ASSERT_TRUE(
        convert({bigFile.string(), small.string(), empty.string(), bigFile.string()}).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf({big, "abc", "", big}));
}

TEST_F(ConvertFilesTest, FilesGrowingLongerThanTheFirstOnesArePackedWhole)
{
    // The archive is sized from the first memos; later, longer ones outgrow it.
    std::vector<std::string> paths;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 100; ++i) {
        texts.push_back(std::string(i * 600, static_cast<char>('a' + i % 26)));
        paths.push_back(m_folder.write("in/" + std::to_string(i) + ".txt", texts.back()).string());
    }
    ASSERT_TRUE(convert(paths).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf(texts));
}

TEST_F(ConvertFilesTest, UnwritableDestinationIsReportedWithTheSystemsReason)
{
    const auto notAFolder = m_folder.write("plain.txt", "text");
    m_destination = notAFolder / "archive.mpa";
    const ConversionResult result = convert({notAFolder.string()});
    EXPECT_EQ(result.outcome, Outcome::WriteFailed);
    EXPECT_EQ(result.error, std::errc::not_a_directory);
    EXPECT_THAT(result.message(), HasSubstr(m_destination.string()));
    EXPECT_THAT(result.message(), HasSubstr("Not a directory"));
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"plain.txt"}));
}

TEST_F(ConvertFilesTest, DestinationThatIsAFolderIsLeftAlone)
{
    m_destination = m_folder.folder("archive.mpa");
    const ConversionResult result = convert({});
    EXPECT_EQ(result.outcome, Outcome::WriteFailed);
    EXPECT_EQ(result.error, std::errc::is_a_directory);
    EXPECT_TRUE(std::filesystem::is_directory(m_destination));
}

TEST_F(ConvertFilesTest, DestinationThatIsNoRegularFileIsLeftAlone)
{
    ASSERT_EQ(mkfifo(m_destination.c_str(), 0600), 0);
    const ConversionResult result = convert({});
    EXPECT_EQ(result.outcome, Outcome::WriteFailed);
    EXPECT_THAT(result.message(), HasSubstr("not a regular file"));
    EXPECT_TRUE(std::filesystem::is_fifo(m_destination));
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"archive.mpa"}));
}

TEST_F(ConvertFilesTest, FullDiskLeavesTheOldArchiveAndNoTemporaryFile)
{
    m_folder.write("archive.mpa", "keep me");
    const auto big = m_folder.write("big.txt", std::string(4000, 'b'));
    // A file size limit makes every write past it fail as on a full disk.
    // The child reports the outcome in its exit status.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = ConvertFiles({big.string()}, "test", m_destination);
        const bool reported = result.outcome == Outcome::WriteFailed &&
                              result.message().find("File too large") != std::string::npos;
        std::_Exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ScratchFolder::read(m_destination), "keep me");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"archive.mpa", "big.txt"}));
}

TEST_F(ConvertFilesTest, NamedPipeGivesEmptyMemoWithoutBlocking)
{
    ASSERT_EQ(mkfifo((m_folder.path() / "pipe").c_str(), 0600), 0);
    const auto a = m_folder.write("a.txt", "abc");
    ASSERT_TRUE(convert({a.string(), (m_folder.path() / "pipe").string()}).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), archiveOf({"abc", ""}));
}

TEST_F(ConvertFilesTest, CategoryNameGoesIntoTheHeader)
{
    ASSERT_TRUE(ConvertFiles({}, "Recipes", m_destination).succeeded());
    EXPECT_EQ(ScratchFolder::read(m_destination), MakeArchiveHeader(0, "Recipes"));
}

} // namespace
