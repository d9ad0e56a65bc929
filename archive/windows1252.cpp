// SPDX-License-Identifier: MIT
#include "windows1252.h"

#include "utf8.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace notepack {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kReplacement = '?';

// Unicode code points of the bytes 80 to 9F. The five bytes that Windows-1252
// leaves undefined stand for the C1 controls of the same number, as in the
// WHATWG encoding index.
constexpr std::array<char32_t, 32> kHighControlsRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControlsRange.size(); ++i) {
        if (kHighControlsRange[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// Where the run of ASCII bytes from text[pos] ends. Notes are mostly ASCII,
// so eight bytes are tested at once for a set top bit. Loaded into a word,
// the first of them is the lowest byte on a little-endian machine and the
// highest on a big-endian one.
std::size_t asciiRunEnd(std::string_view text, std::size_t pos)
{
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    std::uint64_t word;
    while (text.size() - pos >= sizeof word) {
        std::memcpy(&word, text.data() + pos, sizeof word); // text need not be aligned
        const std::uint64_t nonAscii = word & kTopBits;
        if (nonAscii == 0) {
            pos += sizeof word;
            continue;
        }
        if constexpr (std::endian::native == std::endian::little)
            return pos + static_cast<std::size_t>(std::countr_zero(nonAscii)) / 8;
        else if constexpr (std::endian::native == std::endian::big)
            return pos + static_cast<std::size_t>(std::countl_zero(nonAscii)) / 8;
        break;
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        ++pos;
    return pos;
}

// Converts valid UTF-8, appending to out; false (out partly appended) at the
// first malformed sequence. lacking counts the characters that became "?".
bool appendConverted(std::string &out, std::string_view utf8, std::size_t &lacking)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // ASCII needs no decoding; taking runs of it at once keeps plain text fast.
        const std::size_t run = asciiRunEnd(utf8, pos);
        out.append(utf8.data() + pos, run - pos);
        pos = run;
        if (pos == utf8.size())
            break;
        const std::optional<char32_t> codePoint = decodeUtf8(utf8, pos);
        if (!codePoint)
            return false;
        if (const std::optional<char> byte = windows1252Byte(*codePoint)) {
            out.push_back(*byte);
        } else {
            out.push_back(kReplacement);
            ++lacking;
        }
    }
    return true;
}

} // namespace

void appendFileTextAsWindows1252(std::string &out, std::string_view fileText)
{
    if (fileText.starts_with(kByteOrderMark))
        fileText.remove_prefix(kByteOrderMark.size());

    const std::size_t start = out.size();
    std::size_t lacking = 0;
    if (!appendConverted(out, fileText, lacking)) {
        out.resize(start);
        out.append(fileText);
    }
}

std::optional<std::string> toWindows1252Exactly(std::string_view utf8)
{
    std::string converted;
    std::size_t lacking = 0;
    if (!appendConverted(converted, utf8, lacking) || lacking != 0)
        return std::nullopt;
    return converted;
}

} // namespace notepack
