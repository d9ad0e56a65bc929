// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <system_error>
#include <vector>

namespace notepack {

// One row of the file list. Column 2 followed directly by column 1 is always
// the file's absolute path: for a file found in a folder, column 1 is its name
// and column 2 the folder's path ending in "/"; for a file given by itself,
// column 1 is empty and column 2 its whole path.
struct FileRow {
    std::string name; // shown
    std::string column1;
    std::string column2;

    std::string path() const { return column2 + column1; }
    bool operator==(const FileRow &) const = default;
};

// Turns file-system entries into file rows. A file given by itself is one
// row. A folder is walked depth-first in name order (naturalCompare): its
// files become rows, hidden files (names starting with ".") are skipped,
// sub-folders are walked whatever their name, links are followed, and a link
// back to a folder being walked is not entered again. Named pipes, sockets,
// devices, broken links and entries that cannot be read add nothing.
class FileEntryWalk {
public:
    using RowSink = std::function<void(FileRow &&)>;
    // Called once for every folder entry looked at, so that a caller with an
    // event loop can yield there.
    using EntryHook = std::function<void()>;

    // Called for a folder that cannot be listed (or not to its end), with
    // the system's reason; the walk goes on without what it could not list.
    using UnreadableFolderHook = std::function<void(const std::filesystem::path &, std::error_code)>;

    explicit FileEntryWalk(RowSink sink, EntryHook onEntry = {}, std::stop_token stop = {});
    void setUnreadableFolderHook(UnreadableFolderHook hook);

    // Adds the rows for one entry: a file, or a folder and all below it. An
    // entry that does not exist adds nothing.
    void addEntry(const std::filesystem::path &entry);

private:
    void walkFolder(const std::filesystem::path &folder);

    RowSink m_sink;
    EntryHook m_onEntry;
    std::stop_token m_stop;
    UnreadableFolderHook m_onUnreadableFolder;
    std::vector<std::filesystem::path> m_foldersBeingWalked; // resolved paths
};

// The rows for one entry, collected; for callers without an event loop.
std::vector<FileRow> rowsForEntry(const std::filesystem::path &entry);

} // namespace notepack
