// SPDX-License-Identifier: MIT
#include "fileentrywalk.h"

#include "childprocess.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace notepack;

namespace notepack {
void PrintTo(const FileRow &row, std::ostream *out)
{
    *out << '{' << row.name << " | " << row.column1 << " | " << row.column2 << '}';
}
} // namespace notepack

namespace {

class FileEntryWalkTest : public testing::Test {
protected:
    std::string folderPath(const std::string &relative = {}) const
    {
        return (relative.empty() ? m_folder.path() : m_folder.path() / relative).string() + "/";
    }

    std::vector<std::string> shownNames(const std::filesystem::path &entry) const
    {
        std::vector<std::string> names;
        for (const FileRow &row : rowsForEntry(entry))
            names.push_back(row.name);
        return names;
    }

    ScratchFolder m_folder;
};

TEST_F(FileEntryWalkTest, FolderGivesItsFilesInNameOrderWithoutHiddenOnes)
{
    m_folder.write("b.txt", "b");
    m_folder.write("a.txt", "a");
    m_folder.write(".DS_Store", "x");
    const std::vector<FileRow> rows = rowsForEntry(m_folder.path());
    EXPECT_EQ(rows, (std::vector<FileRow>{{"a.txt", "a.txt", folderPath()},
                                          {"b.txt", "b.txt", folderPath()}}));
    EXPECT_EQ(rows[0].path(), (m_folder.path() / "a.txt").string());
}

TEST_F(FileEntryWalkTest, SubFolderFilesComeWhereTheSubFolderStands)
{
    m_folder.write("x.txt", "");
    m_folder.write("y sub/y.txt", "");
    m_folder.write("z.txt", "");
    const std::vector<FileRow> rows = rowsForEntry(m_folder.path());
    EXPECT_EQ(rows, (std::vector<FileRow>{{"x.txt", "x.txt", folderPath()},
                                          {"y.txt", "y.txt", folderPath("y sub")},
                                          {"z.txt", "z.txt", folderPath()}}));
}

TEST_F(FileEntryWalkTest, HiddenFoldersAreWalkedButHiddenFilesInThemSkipped)
{
    m_folder.write(".hidden/seen.txt", "");
    m_folder.write(".hidden/.unseen", "");
    m_folder.write(".hidden/deeper/.git/config", "");
    EXPECT_EQ(shownNames(m_folder.path()), (std::vector<std::string>{"config", "seen.txt"}));
}

TEST_F(FileEntryWalkTest, NamesOrderAsAPersonExpects)
{
    for (const char *name : {"note 10.txt", "Note 2.txt", "note 1.txt", "apple.txt", "Banana.txt"})
        m_folder.write(name, "");
    EXPECT_EQ(shownNames(m_folder.path()), (std::vector<std::string>{"apple.txt", "Banana.txt",
                                                                     "note 1.txt", "Note 2.txt",
                                                                     "note 10.txt"}));
}

TEST_F(FileEntryWalkTest, EmptyFolderAndMissingEntryGiveNoRows)
{
    EXPECT_TRUE(rowsForEntry(m_folder.folder("empty")).empty());
    EXPECT_TRUE(rowsForEntry(m_folder.path() / "missing").empty());
}

TEST_F(FileEntryWalkTest, FileGivenByItselfIsOneRowWithItsWholePath)
{
    const auto file = m_folder.write("sub/.profile", "");
    const std::vector<FileRow> rows = rowsForEntry(file);
    EXPECT_EQ(rows, (std::vector<FileRow>{{".profile", "", file.string()}}));
}

TEST_F(FileEntryWalkTest, SameFileDirectlyAndInAFolderLeadsToTheSamePath)
{
    const auto file = m_folder.write("a.txt", "");
    const FileRow direct = rowsForEntry(file).at(0);
    const FileRow walked = rowsForEntry(m_folder.path()).at(0);
    EXPECT_EQ(direct.name, walked.name);
    EXPECT_NE(direct.column1, walked.column1);
    EXPECT_NE(direct.column2, walked.column2);
    EXPECT_EQ(direct.path(), walked.path());
}

TEST_F(FileEntryWalkTest, PathsComeOutAbsoluteAndClean)
{
    m_folder.write("sub/a.txt", "");
    const auto messy = m_folder.path() / "sub" / ".." / "sub" / "";
    EXPECT_EQ(rowsForEntry(messy).at(0).column2, folderPath("sub"));
    EXPECT_EQ(rowsForEntry(messy / "." / "a.txt").at(0).column2, folderPath("sub") + "a.txt");
}

TEST_F(FileEntryWalkTest, LinksAreFollowedButNeverLoop)
{
    m_folder.write("real/a.txt", "");
    m_folder.write("elsewhere/b.txt", "");
    std::filesystem::create_directory_symlink(m_folder.path() / "elsewhere", m_folder.path() / "real/linked");
    std::filesystem::create_directory_symlink(m_folder.path() / "real", m_folder.path() / "real/self");
    std::filesystem::create_directory_symlink(m_folder.path(), m_folder.path() / "real/up");
    std::filesystem::create_symlink(m_folder.path() / "real/a.txt", m_folder.path() / "real/c.txt");
    std::filesystem::create_symlink(m_folder.path() / "gone", m_folder.path() / "real/dangling");

    const std::vector<FileRow> rows = rowsForEntry(m_folder.path() / "real");
    // "up" leads to the parent, which holds "elsewhere" (walked) and "real" (being walked).
    EXPECT_EQ(rows, (std::vector<FileRow>{{"a.txt", "a.txt", folderPath("real")},
                                          {"c.txt", "c.txt", folderPath("real")},
                                          {"b.txt", "b.txt", folderPath("real/linked")},
                                          {"b.txt", "b.txt", folderPath("real/up/elsewhere")}}));
}

TEST_F(FileEntryWalkTest, PipesAndSocketsInAFolderAreSkipped)
{
    m_folder.write("a.txt", "");
    ASSERT_EQ(mkfifo((m_folder.path() / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(shownNames(m_folder.path()), (std::vector<std::string>{"a.txt"}));
}

TEST_F(FileEntryWalkTest, UnreadableFolderIsReportedAndTheRestKept)
{
    m_folder.write("a/1.txt", "");
    m_folder.write("b/2.txt", "");
    m_folder.write("c/3.txt", "");
    std::filesystem::permissions(m_folder.path() / "b", std::filesystem::perms::none);
    // Root reads every folder, so the walk runs as a user whom permissions bind.
    const auto folder = m_folder.path();
    EXPECT_TRUE(runUnprivileged([&folder] {
        std::vector<std::string> names;
        std::vector<std::pair<std::filesystem::path, std::error_code>> unreadable;
        FileEntryWalk walk([&names](FileRow &&row) { names.push_back(row.name); });
        walk.setUnreadableFolderHook([&unreadable](const std::filesystem::path &path, std::error_code error) {
            unreadable.emplace_back(path, error);
        });
        walk.addEntry(folder);
        return names == std::vector<std::string>{"1.txt", "3.txt"} && unreadable.size() == 1 &&
               unreadable[0].first == folder / "b" && unreadable[0].second == std::errc::permission_denied;
    }));
}

TEST_F(FileEntryWalkTest, CallsTheHookOncePerEntryAndStopsWhenTold)
{
    for (const char *name : {"1", "2", "3", "4"})
        m_folder.write(name, "");
    m_folder.write("sub/5", "");
    int entries = 0;
    std::vector<std::string> names;
    FileEntryWalk walk([&names](FileRow &&row) { names.push_back(row.name); }, [&entries] { ++entries; });
    walk.addEntry(m_folder.path());
    EXPECT_EQ(entries, 6); // five files and the sub-folder

    std::stop_source stop;
    names.clear();
    FileEntryWalk stopping([&](FileRow &&row) {
        names.push_back(row.name);
        if (names.size() == 2)
            stop.request_stop();
    }, {}, stop.get_token());
    stopping.addEntry(m_folder.path());
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2"}));
}

} // namespace
