// SPDX-License-Identifier: MIT
// Bad input given to the built notepack-cli: it must end, keep every file it
// can read, and name the file and the reason for everything that fails.
//
// A file deleted after it was listed is not tested here: the packer lists its
// inputs and reads them in one go, with no moment between at which another
// process could be sure to delete one. The window, which lists at a drop and
// reads at Convert, is tested for it (tests/gui/tst_badinput.cpp).
#include "archiveformat.h"
#include "childprocess.h"
#include "scratchfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

using namespace notepack;
using testing::AllOf;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFiveGigabytes = 5'000'000'000;

class BadInputTest : public testing::Test {
protected:
    BadInputTest()
    {
        // Everything but the cases themselves must be open to nobody, who
        // runs the packer when the tests run as root.
        fs::permissions(m_folder.path(), fs::perms(0755));
    }
    ~BadInputTest() override
    {
        // A user other than root removes nothing from a folder it cannot write.
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(m_folder.path(), ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }

    ChildResult pack(const std::vector<std::string> &arguments,
                     const ChildOptions &options = {}) const
    {
        return runChild(NOTEPACK_CLI, arguments, m_folder.path(), options);
    }
    ChildResult packUnprivileged(const std::vector<std::string> &arguments) const
    {
        return pack(arguments, {.unprivileged = true});
    }

    fs::path put(const fs::path &relative, std::string_view bytes) const
    {
        const fs::path file = m_folder.write(relative, bytes);
        for (fs::path folder = relative.parent_path(); !folder.empty();
             folder = folder.parent_path())
            fs::permissions(m_folder.path() / folder, fs::perms(0755));
        fs::permissions(file, fs::perms(0644));
        return file;
    }
    // A folder that the packer may write in whoever it runs as.
    fs::path openFolder(const fs::path &relative) const
    {
        const fs::path folder = m_folder.folder(relative);
        fs::permissions(folder, fs::perms::all);
        return folder;
    }
    void makePipe(const fs::path &relative) const
    {
        ASSERT_EQ(mkfifo((m_folder.path() / relative).c_str(), 0644), 0);
    }

    std::string read(const fs::path &relative) const
    {
        return ScratchFolder::read(m_folder.path() / relative);
    }
    // Every name in the folder, hidden ones too: a temporary file left
    // behind shows here.
    std::vector<std::string> entries(const fs::path &relative) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry &entry : fs::directory_iterator(m_folder.path() / relative))
            names.push_back(entry.path().filename().string());
        std::ranges::sort(names);
        return names;
    }

    static std::string archiveOf(const std::vector<std::string> &memos)
    {
        std::string archive = MakeArchiveHeader(static_cast<std::int32_t>(memos.size()), "test");
        for (const std::string &memo : memos)
            appendMemoRecord(archive, memo);
        return archive;
    }
    static long lineCount(const std::string &text) { return std::ranges::count(text, '\n'); }

    ScratchFolder m_folder;
};

// ---------------------------------------------------------------------------
// Unreadable input: an empty memo in its place, one warning, success.

struct UnreadableCase {
    const char *name;
    bool pipe; // else a file without read permission
    std::vector<std::string> inputs;
    const char *warnedPath; // how the warning names it
};
void PrintTo(const UnreadableCase &c, std::ostream *out)
{
    *out << c.name;
}

class UnreadableInputTest : public BadInputTest,
                            public testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableInputTest, BecomesAnEmptyMemoWithAWarningNamingIt)
{
    put("notes/a.txt", "alpha");
    put("notes/c.txt", "gamma");
    openFolder("out");
    if (GetParam().pipe) {
        // Opening a pipe for reading would wait for a writer for ever.
        makePipe("notes/b.txt");
    } else {
        fs::permissions(put("notes/b.txt", "secret"), fs::perms::none);
    }

    std::vector<std::string> arguments = {"-o", "out/archive.mpa"};
    arguments.insert(arguments.end(), GetParam().inputs.begin(), GetParam().inputs.end());
    const ChildResult result = packUnprivileged(arguments);

    EXPECT_FALSE(result.killedAsHung);
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_EQ(lineCount(result.standardError), 1) << result.standardError;
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("warning"), HasSubstr(GetParam().warnedPath),
                                            HasSubstr("cannot be read"), HasSubstr("empty memo")));
    EXPECT_EQ(read("out/archive.mpa"), archiveOf({"alpha", "", "gamma"}));
    EXPECT_THAT(entries("out"), ElementsAre("archive.mpa"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableInputTest,
    testing::Values(UnreadableCase{"NoReadPermission",
                                   false,
                                   {"notes/a.txt", "notes/b.txt", "notes/c.txt"},
                                   "notes/b.txt"},
                    UnreadableCase{"NoReadPermissionInAFolder", false, {"notes"}, "/notes/b.txt"},
                    UnreadableCase{"NamedPipeGivenByItself",
                                   true,
                                   {"notes/a.txt", "notes/b.txt", "notes/c.txt"},
                                   "notes/b.txt"}),
    [](const auto &info) { return std::string(info.param.name); });

// A folder that cannot be listed gives no memo, and the person who named it
// must learn that and why, as for a file that cannot be read.
TEST_F(BadInputTest, FolderWithoutReadPermissionIsReported)
{
    put("notes/a.txt", "alpha");
    put("locked/b.txt", "beta");
    fs::permissions(m_folder.path() / "locked", fs::perms::none);
    openFolder("out");

    const ChildResult result = packUnprivileged({"-o", "out/archive.mpa", "notes", "locked"});
    // The folder's files are left out with a warning; the rest is packed.
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("warning"), HasSubstr("locked"),
                                            HasSubstr("Permission denied"), HasSubstr("left out")));
    EXPECT_EQ(read("out/archive.mpa"), archiveOf({"alpha"}));
}

// ---------------------------------------------------------------------------
// Folders: a pipe inside is no file of the list, and links that loop end.

TEST_F(BadInputTest, NamedPipeInAFolderIsSkipped)
{
    put("notes/a.txt", "alpha");
    makePipe("notes/b pipe");
    put("notes/c.txt", "gamma");
    const ChildResult result = pack({"notes"});
    EXPECT_FALSE(result.killedAsHung);
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, IsEmpty());
    EXPECT_EQ(read("archive.mpa"), archiveOf({"alpha", "gamma"}));
}

TEST_F(BadInputTest, FolderThatLoopsThroughLinksIsPackedOncePerPath)
{
    put("notes/a.txt", "alpha");
    put("notes/sub/b.txt", "beta");
    fs::create_directory_symlink("..", m_folder.path() / "notes/sub/up");
    fs::create_directory_symlink(".", m_folder.path() / "notes/sub/self");
    // Not a loop: a second path to sub, whose file is packed once more.
    fs::create_directory_symlink("sub", m_folder.path() / "notes/alias");

    const ChildResult result = pack({"notes"});
    EXPECT_FALSE(result.killedAsHung);
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, IsEmpty());
    // a.txt, alias/b.txt, sub/b.txt.
    EXPECT_EQ(read("archive.mpa"), archiveOf({"alpha", "beta", "beta"}));
}

// ---------------------------------------------------------------------------
// A file far too long is refused from its size, not read.

TEST_F(BadInputTest, FiveGigabyteFileFailsWithoutBeingRead)
{
    put("notes/a.txt", "alpha");
    const fs::path huge = put("notes/huge.txt", "");
    fs::resize_file(huge, kFiveGigabytes); // sparse: takes no room on the disk
    put("out/archive.mpa", "old");

    const ChildResult result = pack({"-o", "out/archive.mpa", "notes/a.txt", "notes/huge.txt"});
    EXPECT_FALSE(result.killedAsHung);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(lineCount(result.standardError), 1) << result.standardError;
    EXPECT_THAT(result.standardError, AllOf(HasSubstr("notes/huge.txt"),
                                            HasSubstr("5,000,000,000 bytes"), HasSubstr("65,533")));
    EXPECT_EQ(read("out/archive.mpa"), "old");
    EXPECT_THAT(entries("out"), ElementsAre("archive.mpa"));
    ASSERT_TRUE(result.bytesRead.has_value());
    // The program and its libraries read a few hundred kilobytes at start.
    EXPECT_LT(*result.bytesRead, 64u << 20);
}

// ---------------------------------------------------------------------------
// Names are bytes to the packer: nothing in them is a separator but "/".

struct NameCase {
    const char *name;
    const char *fileName;
};
void PrintTo(const NameCase &c, std::ostream *out)
{
    *out << c.name;
}

class UnusualNameTest : public BadInputTest, public testing::WithParamInterface<NameCase> {};

TEST_P(UnusualNameTest, IsPackedInAFolderAndByItself)
{
    const std::string fileName = GetParam().fileName;
    put("notes/" + fileName, "caf\xC3\xA9");
    const ChildResult result = pack({"notes", "notes/" + fileName});
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, IsEmpty());
    EXPECT_EQ(read("archive.mpa"), archiveOf({"caf\xE9", "caf\xE9"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusualNameTest,
    testing::Values(NameCase{"NonAscii", "caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5\xE6\x9C\xAC.txt"},
                    NameCase{"Colon", "10:30 meeting.txt"}, NameCase{"Backslash", "to\\do.txt"},
                    NameCase{"WindowsPath", "C:\\notes\\list.txt"}),
    [](const auto &info) { return std::string(info.param.name); });

// A name from an older system, in Windows-1252 ("café"): a folder holding it
// is packed, and so must the file be when it is named on the command line.
TEST_F(BadInputTest, NameThatIsNotUtf8IsPackedInAFolderAndByItself)
{
    const std::string fileName = "caf\xE9.txt";
    put("notes/" + fileName, "text");

    const ChildResult inFolder = pack({"-o", "folder.mpa", "notes"});
    EXPECT_EQ(inFolder.exitCode, 0) << inFolder.standardError;
    EXPECT_EQ(read("folder.mpa"), archiveOf({"text"}));

    const ChildResult byItself = pack({"-o", "itself.mpa", "notes/" + fileName});
    EXPECT_EQ(byItself.exitCode, 0) << byItself.standardError;
    EXPECT_EQ(read("itself.mpa"), archiveOf({"text"}));
}

// ---------------------------------------------------------------------------
// Destinations.

TEST_F(BadInputTest, DestinationInAFolderWithoutWritePermissionFails)
{
    put("notes/a.txt", "alpha");
    const fs::path old = put("locked/archive.mpa", "old");
    // The archive itself could be written; its folder cannot take the
    // temporary file that replaces it.
    fs::permissions(old, fs::perms(0666));
    fs::permissions(m_folder.path() / "locked", fs::perms(0555));

    const ChildResult result = packUnprivileged({"-o", "locked/archive.mpa", "notes/a.txt"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(lineCount(result.standardError), 1) << result.standardError;
    EXPECT_THAT(result.standardError,
                AllOf(HasSubstr("locked/archive.mpa"), HasSubstr("Permission denied")));
    EXPECT_EQ(read("locked/archive.mpa"), "old");
    EXPECT_THAT(entries("locked"), ElementsAre("archive.mpa"));
}

struct DestinationIsInputCase {
    const char *name;
    std::vector<std::string> inputs;
};
void PrintTo(const DestinationIsInputCase &c, std::ostream *out)
{
    *out << c.name;
}

class DestinationIsInputTest : public BadInputTest,
                               public testing::WithParamInterface<DestinationIsInputCase> {};

// Every memo is read before the archive is written, so the file's old text
// is in it.
TEST_P(DestinationIsInputTest, ArchiveReplacesTheFileAndHoldsItsText)
{
    put("notes/a.txt", "alpha");
    put("notes/b.txt", "beta");
    std::vector<std::string> arguments = {"-o", "notes/a.txt"};
    arguments.insert(arguments.end(), GetParam().inputs.begin(), GetParam().inputs.end());

    const ChildResult result = pack(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
    EXPECT_THAT(result.standardError, IsEmpty());
    EXPECT_EQ(read("notes/a.txt"), archiveOf({"alpha", "beta"}));
    EXPECT_THAT(entries("notes"), ElementsAre("a.txt", "b.txt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, DestinationIsInputTest,
                         testing::Values(DestinationIsInputCase{"GivenByItself",
                                                                {"notes/a.txt", "notes/b.txt"}},
                                         DestinationIsInputCase{"InAFolder", {"notes"}}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// A full disk, as a limit on the size of the files the packer writes.

struct FullDiskCase {
    const char *name;
    std::uint64_t limit;
};
void PrintTo(const FullDiskCase &c, std::ostream *out)
{
    *out << c.name;
}

class FullDiskTest : public BadInputTest, public testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDiskTest, FailsWithTheReasonAndKeepsTheOldArchive)
{
    ASSERT_EQ(archiveOf({std::string(5000, 'x')}).size(), 5139u); // the limits are set against it
    put("notes/a.txt", std::string(5000, 'x'));
    put("out/archive.mpa", "old");

    const ChildResult result = pack({"--quiet", "-o", "out/archive.mpa", "notes/a.txt"},
                                    {.fileSizeLimit = GetParam().limit});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(lineCount(result.standardError), 1) << result.standardError;
    EXPECT_THAT(result.standardError,
                AllOf(HasSubstr("out/archive.mpa"), HasSubstr("File too large")));
    EXPECT_EQ(read("out/archive.mpa"), "old");
    EXPECT_THAT(entries("out"), ElementsAre("archive.mpa"));
}

INSTANTIATE_TEST_SUITE_P(Cases, FullDiskTest,
                         testing::Values(FullDiskCase{"NoRoomAtAll", 0},
                                         FullDiskCase{"RoomForTheHeader", 88},
                                         FullDiskCase{"RoomForAllButTheLastByte", 5138}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
