// SPDX-License-Identifier: MIT
#include "archiveformat.h"

#include "hexencoding.h"

#include <limits>
#include <stdexcept>

namespace notepack {
namespace {

// The archive's fixed fields, turned into bytes once from their hex text.
struct FixedFields {
    std::string versionTag = hex2str("0001504D");
    std::string fileName = "C:\\puzzles.mpa";
    // Empty table string, next free category ID 131, one category at index 1
    // with ID 130, marked dirty.
    std::string categoryTable = hex2str("00"
                                        "83000000"
                                        "01000000"
                                        "01000000"
                                        "82000000"
                                        "01000000");
    // Resource ID 64, six fields a row at positions 0, 1 and 2, then the six
    // field types: integer, integer, integer, string, boolean, integer.
    std::string rowLayout = hex2str("40000000"
                                    "06000000"
                                    "00000000"
                                    "01000000"
                                    "02000000"
                                    "0600"
                                    "010001000100050006000100");
    // Record ID 0, status 1, position 0, then the string field's type and the
    // zero long before its value, then the long-form marker.
    std::string recordHead = hex2str("01000000"
                                     "00000000"
                                     "01000000"
                                     "01000000"
                                     "01000000"
                                     "00000000"
                                     "05000000"
                                     "00000000"
                                     "FF");
    // Not private, category index 1.
    std::string recordTail = hex2str("06000000"
                                     "00000000"
                                     "01000000"
                                     "01000000");
};

const FixedFields &fixedFields()
{
    static const FixedFields fields;
    return fields;
}

void appendShortString(std::string &out, std::string_view text)
{
    if (text.size() > 254)
        throw std::length_error("a name of the archive is longer than 254 bytes");
    out.push_back(static_cast<char>(text.size()));
    out.append(text);
}

void checkMemoTextLength(std::size_t length)
{
    if (length > kMaxMemoTextLength)
        throw std::length_error("memo text too long for the archive");
}

} // namespace

std::string MakeArchiveHeader(std::int32_t memoCount, std::string_view categoryName)
{
    constexpr std::int32_t fieldsPerMemo = 6;
    if (memoCount < 0 || memoCount > std::numeric_limits<std::int32_t>::max() / fieldsPerMemo)
        throw std::length_error("too many memos for one archive");

    const FixedFields &fixed = fixedFields();
    std::string header;
    header.reserve(128);
    header += fixed.versionTag;
    appendShortString(header, fixed.fileName);
    header += fixed.categoryTable;
    appendShortString(header, categoryName);
    appendShortString(header, categoryName.substr(0, kCategoryShortNameLength));
    header += fixed.rowLayout;
    header += hex2str(int2hexstr(memoCount * fieldsPerMemo, 4));
    return header;
}

std::size_t startMemoRecord(std::string &archive)
{
    archive += fixedFields().recordHead;
    archive.append(2, '\0'); // the text's length, known only once it is converted
    return archive.size();
}

void finishMemoRecord(std::string &archive, std::size_t textStart)
{
    const std::size_t length = archive.size() - textStart;
    checkMemoTextLength(length);
    // Little-endian, like every number in the archive.
    archive[textStart - 2] = static_cast<char>(length & 0xFF);
    archive[textStart - 1] = static_cast<char>(length >> 8);
    archive += fixedFields().recordTail;
}

void appendMemoRecord(std::string &archive, std::string_view memoText)
{
    // Checked first, so that a text too long leaves the archive as it was.
    checkMemoTextLength(memoText.size());
    const std::size_t textStart = startMemoRecord(archive);
    archive += memoText;
    finishMemoRecord(archive, textStart);
}

std::string MakeMemoRecord(std::string_view memoText)
{
    std::string record;
    record.reserve(kMemoRecordOverhead + memoText.size());
    appendMemoRecord(record, memoText);
    return record;
}

} // namespace notepack
