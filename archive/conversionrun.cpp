// SPDX-License-Identifier: MIT
#include "conversionrun.h"

#include "archiveformat.h"
#include "filereplacement.h"
#include "numberformat.h"

#include <limits>
#include <stdexcept>

namespace notepack {

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
    std::string currentFileName;

    for (std::size_t i = 0; i < paths.size(); ++i) {
        const MemoText memo = LoadTextFile(paths[i]);
        if (memo.status == MemoText::Status::TooLong)
            return {.outcome = Outcome::MemoTooLong, .path = paths[i], .fileSize = memo.fileSize};
        appendMemoRecord(archive, memo.text);
        if (memo.fileName)
            currentFileName = *memo.fileName;

        if (progress) {
            progress({.memoNumber = static_cast<int>(i + 1),
                      .currentFileName = currentFileName,
                      .path = paths[i],
                      .status = memo.status,
                      .textLength = memo.text.size()});
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
