// SPDX-License-Identifier: MIT
#include "packer.h"

#include "progressline.h"

#include "archiveformat.h"
#include "conversionrun.h"
#include "fileentrywalk.h"
#include "numberformat.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const char *const kProgram = "notepack-cli";

void printError(const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
}

} // namespace

Packer::Packer(PackerOptions options)
    : m_options(std::move(options))
{
}

bool Packer::collectPaths(std::vector<std::string> &paths, ProgressLine &progress) const
{
    std::vector<std::filesystem::path> entries;
    for (const std::string &input : m_options.inputs) {
        const std::filesystem::path entry(input);
        std::error_code error;
        if (!std::filesystem::exists(entry, error)) {
            if (!error)
                error = std::make_error_code(std::errc::no_such_file_or_directory);
            printError(entry.string() + ": " + error.message());
            return false;
        }
        entries.push_back(entry);
    }
    notepack::FileEntryWalk walk([&paths](notepack::FileRow &&row) { paths.push_back(row.path()); });
    walk.setUnreadableFolderHook([&](const std::filesystem::path &folder, std::error_code error) {
        warn(progress, folder.string() + ": cannot be read (" + error.message() + "); its files are left out");
    });
    for (const std::filesystem::path &entry : entries)
        walk.addEntry(entry);
    return true;
}

void Packer::warn(ProgressLine &progress, const std::string &text) const
{
    if (!m_options.quiet)
        progress.printLine(std::string(kProgram) + ": warning: " + text);
}

Packer::ExitCode Packer::run()
{
    ProgressLine progress(stderr, !m_options.quiet);
    std::vector<std::string> paths;
    if (!collectPaths(paths, progress))
        return Failure;

    const int total = static_cast<int>(paths.size());
    // Called for every memo, and most give no warning: the path is copied
    // only for one.
    const auto report = [&](const notepack::MemoProgress &memo) {
        if (memo.status == notepack::MemoText::Status::Unreadable)
            warn(progress, std::string(memo.path) + ": cannot be read; packed as an empty memo");
        else if (memo.textLength > notepack::kMemoPadEditLimit)
            warn(progress, std::string(memo.path) + ": memo is " +
                               notepack::groupedDigits(memo.textLength) +
                               " bytes; the handheld's Memo Pad edits memos only up to " +
                               notepack::groupedDigits(notepack::kMemoPadEditLimit));
        progress.show(memo.memoNumber, total, memo.currentFileName);
    };

    const std::filesystem::path destination(m_options.archive);
    const notepack::ConversionResult result =
        notepack::ConvertFiles(paths, m_options.category, destination, report);
    progress.clear();
    if (!result.succeeded()) {
        printError(result.message());
        return Failure;
    }
    return Success;
}
