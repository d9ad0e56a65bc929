// SPDX-License-Identifier: MIT
// Runs the built notepack-cli as a person would and checks what it writes.
#include "archiveformat.h"
#include "childprocess.h"
#include "scratchfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace notepack;
using testing::AllOf;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

class PackerTest : public testing::Test {
protected:
    ChildResult pack(const std::vector<std::string> &arguments) const
    {
        return runChild(NOTEPACK_CLI, arguments, m_folder.path());
    }

    static std::string archiveOf(const std::vector<std::string> &texts, std::string_view category = "test")
    {
        std::string archive = MakeArchiveHeader(static_cast<std::int32_t>(texts.size()), category);
        for (const std::string &text : texts)
            appendMemoRecord(archive, text);
        return archive;
    }

    std::string written(const std::string &name = "archive.mpa") const
    {
        return ScratchFolder::read(m_folder.path() / name);
    }

    bool exists(const std::string &name) const { return std::filesystem::exists(m_folder.path() / name); }

    ScratchFolder m_folder;
};

TEST_F(PackerTest, PacksFoldersAndFilesInArgumentOrder)
{
    m_folder.write("docs/b.txt", "second");
    m_folder.write("docs/a.txt", "caf\xC3\xA9");
    m_folder.write("docs/.hidden", "never");
    m_folder.write("docs/sub/c.txt", "line\r\nbreak");
    m_folder.write("z.txt", "\xEF\xBB\xBF\xE2\x82\xAC");

    const ChildResult result = pack({"z.txt", "-o", "out.mpa", "docs", "z.txt"});
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, IsEmpty());
    const std::string archive = written("out.mpa");
    EXPECT_EQ(archive, archiveOf({"\x80", "caf\xE9", "second", "line\r\nbreak", "\x80"}));
    // The header is the one of the format, byte for byte.
    EXPECT_EQ(archive.substr(0, 19), std::string("\x00\x01\x50\x4D\x0E"
                                                 "C:\\puzzles.mpa", 19));
    EXPECT_EQ(archive.substr(84, 4), std::string("\x1E\0\0\0", 4));
}

TEST_F(PackerTest, WritesArchiveMpaInTheWorkingFolderByDefault)
{
    m_folder.write("a.txt", "abc");
    ASSERT_EQ(pack({"a.txt"}).exitCode, 0);
    EXPECT_EQ(written(), archiveOf({"abc"}));
}

TEST_F(PackerTest, NoPathIsAUsageError)
{
    const ChildResult result = pack({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.standardError, HasSubstr("Usage: notepack-cli"));
    EXPECT_FALSE(exists("archive.mpa"));
}

TEST_F(PackerTest, MissingPathFailsAndWritesNothing)
{
    m_folder.write("a.txt", "abc");
    const ChildResult result = pack({"a.txt", "nowhere.txt"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError, "notepack-cli: nowhere.txt: No such file or directory\n");
    EXPECT_FALSE(exists("archive.mpa"));
}

TEST_F(PackerTest, TooLongMemoFailsAndLeavesTheArchiveAlone)
{
    m_folder.write("archive.mpa", "old");
    m_folder.write("big.txt", std::string(70000, 'x'));
    const ChildResult result = pack({"big.txt"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("big.txt"), HasSubstr("70,000 bytes"),
                                            HasSubstr("65,533")));
    EXPECT_EQ(std::ranges::count(result.standardError, '\n'), 1);
    EXPECT_EQ(written(), "old");
}

TEST_F(PackerTest, UnwritableDestinationFailsWithTheReason)
{
    m_folder.write("a.txt", "abc");
    const ChildResult result = pack({"-o", "a.txt/archive.mpa", "a.txt"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("a.txt/archive.mpa"), HasSubstr("Not a directory")));
}

// Unreadable inputs, a named pipe among them: badinput_test.cpp.

TEST_F(PackerTest, MemoLongerThanMemoPadEditsIsPackedWithAWarning)
{
    const std::string text(5000, 'l');
    m_folder.write("long.txt", text);
    m_folder.write("edge.txt", std::string(kMemoPadEditLimit, 'e'));
    const ChildResult result = pack({"edge.txt", "long.txt"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("long.txt"), HasSubstr("5,000"), HasSubstr("4,096")));
    EXPECT_THAT(result.standardError, testing::Not(HasSubstr("edge.txt")));
    EXPECT_EQ(written(), archiveOf({std::string(kMemoPadEditLimit, 'e'), text}));
}

TEST_F(PackerTest, QuietPrintsNoWarnings)
{
    m_folder.write("long.txt", std::string(5000, 'l'));
    const ChildResult result = pack({"--quiet", "long.txt", "long.txt"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.standardError, IsEmpty());
}

struct CategoryCase {
    const char *name;
    const char *argument;
    const char *encoded; // nullptr: refused
};

class PackerCategoryTest : public PackerTest, public testing::WithParamInterface<CategoryCase> {};

TEST_P(PackerCategoryTest, AcceptsOnlyNamesTheHandheldCanHold)
{
    const ChildResult result = pack({"--category", GetParam().argument, "."});
    if (GetParam().encoded) {
        EXPECT_EQ(result.exitCode, 0) << result.standardError;
        EXPECT_EQ(written(), archiveOf({}, GetParam().encoded));
    } else {
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_THAT(result.standardError, HasSubstr("category"));
        EXPECT_FALSE(exists("archive.mpa"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PackerCategoryTest,
                         testing::Values(CategoryCase{"Plain", "Recipes", "Recipes"},
                                         CategoryCase{"Windows1252", "\xE2\x82\xAC and \xC3\xA9", "\x80 and \xE9"},
                                         CategoryCase{"Fifteen", "Fifteen chars!!", "Fifteen chars!!"},
                                         CategoryCase{"Sixteen", "Sixteen chars!!!", nullptr},
                                         CategoryCase{"Empty", "", nullptr},
                                         CategoryCase{"NotWindows1252", "\xCE\xA9mega", nullptr}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PackerTest, AnswersHelpAndVersion)
{
    const ChildResult version = pack({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.standardOutput, "notepack-cli " NOTEPACK_VERSION "\n");

    const ChildResult help = pack({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.standardOutput, AllOf(HasSubstr("PATH"), HasSubstr("--output"),
                                           HasSubstr("--category"), HasSubstr("--quiet")));
}

} // namespace
