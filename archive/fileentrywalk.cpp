// SPDX-License-Identifier: MIT
#include "fileentrywalk.h"

#include "naturalorder.h"

#include <algorithm>
#include <utility>

namespace notepack {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = '/';

// An absolute path without "." or ".." parts and without a trailing
// separator, so that names and folder paths come out clean.
fs::path cleanAbsolute(const fs::path &entry)
{
    std::error_code error;
    fs::path path = fs::absolute(entry, error).lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path;
}

// What the walk keeps of a folder entry: its name and, from the listing,
// its type. The listing knows the type of all but links without a stat; a
// link is followed only when its turn comes, as the walk may stop first.
struct FolderEntry {
    enum class Kind { Folder, File, Link, Other };

    std::string name;
    Kind kind;
};

FolderEntry::Kind listedKind(const fs::directory_entry &entry)
{
    std::error_code error;
    if (entry.is_symlink(error))
        return FolderEntry::Kind::Link;
    if (entry.is_directory(error))
        return FolderEntry::Kind::Folder;
    if (entry.is_regular_file(error))
        return FolderEntry::Kind::File;
    return FolderEntry::Kind::Other;
}

// A broken link is neither a folder nor a file.
FolderEntry::Kind linkedKind(const fs::path &link)
{
    std::error_code error;
    const fs::file_status status = fs::status(link, error);
    if (fs::is_directory(status))
        return FolderEntry::Kind::Folder;
    if (fs::is_regular_file(status))
        return FolderEntry::Kind::File;
    return FolderEntry::Kind::Other;
}

// The folder's entries; error tells why the listing stopped short, if it did.
std::vector<FolderEntry> entriesInNameOrder(const fs::path &folder, std::error_code &error)
{
    std::vector<FolderEntry> entries;
    fs::directory_iterator it(folder, error);
    // An entry that cannot be listed ends the listing; what was read is kept.
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        entries.push_back({it->path().filename().string(), listedKind(*it)});
    std::ranges::sort(entries, naturalLess, &FolderEntry::name);
    return entries;
}

} // namespace

FileEntryWalk::FileEntryWalk(RowSink sink, EntryHook onEntry, std::stop_token stop)
    : m_sink(std::move(sink))
    , m_onEntry(std::move(onEntry))
    , m_stop(std::move(stop))
{
}

void FileEntryWalk::setUnreadableFolderHook(UnreadableFolderHook hook)
{
    m_onUnreadableFolder = std::move(hook);
}

void FileEntryWalk::addEntry(const fs::path &entry)
{
    const fs::path path = cleanAbsolute(entry);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        return;
    if (fs::is_directory(status)) {
        walkFolder(path);
        return;
    }
    m_sink({.name = path.filename().string(), .column1 = {}, .column2 = path.string()});
}

void FileEntryWalk::walkFolder(const fs::path &folder)
{
    std::error_code error;
    fs::path resolved = fs::canonical(folder, error);
    if (error || std::ranges::find(m_foldersBeingWalked, resolved) != m_foldersBeingWalked.end())
        return;
    m_foldersBeingWalked.push_back(std::move(resolved));

    std::string folderPath = folder.string();
    if (folderPath.empty() || folderPath.back() != kSeparator)
        folderPath.push_back(kSeparator);

    std::error_code listingError;
    std::vector<FolderEntry> entries = entriesInNameOrder(folder, listingError);
    if (listingError && m_onUnreadableFolder)
        m_onUnreadableFolder(folder, listingError);
    for (FolderEntry &listed : entries) {
        if (m_onEntry)
            m_onEntry();
        if (m_stop.stop_requested())
            break;
        FolderEntry::Kind kind = listed.kind;
        if (kind == FolderEntry::Kind::Link)
            kind = linkedKind(fs::path(folderPath + listed.name));
        if (kind == FolderEntry::Kind::Folder) {
            walkFolder(fs::path(folderPath + listed.name));
            continue;
        }
        if (kind != FolderEntry::Kind::File || listed.name.starts_with('.'))
            continue;
        m_sink({.name = listed.name, .column1 = std::move(listed.name), .column2 = folderPath});
    }
    m_foldersBeingWalked.pop_back();
}

std::vector<FileRow> rowsForEntry(const fs::path &entry)
{
    std::vector<FileRow> rows;
    FileEntryWalk([&rows](FileRow &&row) { rows.push_back(std::move(row)); }).addEntry(entry);
    return rows;
}

} // namespace notepack
