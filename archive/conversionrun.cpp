// SPDX-License-Identifier: MIT
#include "conversionrun.h"

#include "archiveformat.h"
#include "filereplacement.h"
#include "numberformat.h"
#include "textfilereader.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace notepack {
namespace {

constexpr std::size_t kLongestRecord = kMemoRecordOverhead + kMaxMemoTextLength;
constexpr std::size_t kMostGrowthAhead = 16 * 1024 * 1024;

// Keeps room for a record at its longest. The archive grows to what the
// files still to come would need at the average record so far, and an
// eighth more, so that files of about one size do not copy it again and
// again as doubling would. It grows at least by half, so that uneven inputs
// do not copy it every few files, and at most fourfold plus 16 MiB, so that
// a long first memo before short ones cannot reserve far more than needed.
void makeRoomForNextRecord(std::string &archive, std::size_t headerSize, std::size_t recordsDone,
                           std::size_t recordCount)
{
    const std::size_t capacity = archive.capacity();
    if (capacity - archive.size() >= kLongestRecord)
        return;
    const std::size_t average = recordsDone == 0 ? 0 : (archive.size() - headerSize) / recordsDone;
    const std::size_t toCome = (recordCount - recordsDone) * average;
    const std::size_t estimate = archive.size() + toCome + toCome / 8 + kLongestRecord;
    archive.reserve(std::clamp(estimate, capacity + capacity / 2, 4 * capacity + kMostGrowthAhead));
}

} // namespace

std::string ConversionResult::message() const
{
    switch (outcome) {
    case Outcome::Written:
        return "The archive was written to " + path + ".";
    case Outcome::Stopped:
        return "The conversion was cancelled; nothing was written.";
    case Outcome::MemoTooLong:
        return path + " is " + groupedDigits(fileSize) + " bytes, more than the " +
               groupedDigits(kMaxMemoTextLength) +
               " bytes a memo can hold; nothing was written.";
    case Outcome::WriteFailed:
        return "Cannot write " + path + ": " + error.message() + ".";
    }
    return {};
}

ConversionResult ConvertFiles(const std::vector<std::string> &paths, std::string_view category,
                              const std::filesystem::path &destination,
                              const ProgressCallback &progress, std::stop_token stop)
{
    using Outcome = ConversionResult::Outcome;
    if (paths.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("too many memos for one archive");
    std::string archive = MakeArchiveHeader(static_cast<std::int32_t>(paths.size()), category);
    const std::size_t headerSize = archive.size();
    TextFileReader reader;
    std::string currentFileName;

    for (std::size_t i = 0; i < paths.size(); ++i) {
        makeRoomForNextRecord(archive, headerSize, i, paths.size());
        // The text is converted straight into its record, not into a copy.
        const std::size_t textStart = startMemoRecord(archive);
        const std::filesystem::path path(paths[i]);
        const TextFileReader::Result text = reader.appendText(archive, path);
        if (text.status == MemoText::Status::TooLong)
            return {.outcome = Outcome::MemoTooLong, .path = paths[i], .fileSize = text.fileSize};
        const std::size_t textLength = archive.size() - textStart;
        finishMemoRecord(archive, textStart);
        if (text.opened)
            currentFileName = path.filename().string();

        if (progress) {
            progress({.memoNumber = static_cast<int>(i + 1),
                      .currentFileName = currentFileName,
                      .path = paths[i],
                      .status = text.status,
                      .textLength = textLength});
        }
        if (stop.stop_requested())
            return {.outcome = Outcome::Stopped};
    }
    if (stop.stop_requested())
        return {.outcome = Outcome::Stopped};

    if (const std::error_code error = replaceFileContents(destination, archive))
        return {.outcome = Outcome::WriteFailed, .path = destination.string(), .error = error};
    return {.outcome = Outcome::Written, .path = destination.string()};
}

} // namespace notepack
