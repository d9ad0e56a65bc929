// SPDX-License-Identifier: MIT
// Feeds file texts to the Windows-1252 conversion and checks the result against
// a decoder and a mapping of its own: once the input's bytes as they are, and
// once UTF-8 built from code points the bytes pick, because random bytes are
// seldom well-formed UTF-8 beyond a character or two.
#include "windows1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "textprep_fuzzer: %s\n", what);
    std::abort();
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What the output is appended to; it ends in a lone lead byte, which must not
// join up with the text after it.
constexpr std::string_view kEarlierContent = "earlier memo \xE9\x80 \xC3";

struct Mapping {
    char32_t codePoint;
    unsigned char byte;
};

// The characters of the bytes 80 to 9F, by code point. The five bytes that
// Windows-1252 leaves undefined keep the C1 control of their own number.
constexpr Mapping kHighBytes[] = {
    {0x0081, 0x81}, {0x008D, 0x8D}, {0x008F, 0x8F}, {0x0090, 0x90}, {0x009D, 0x9D},
    {0x0152, 0x8C}, {0x0153, 0x9C}, {0x0160, 0x8A}, {0x0161, 0x9A}, {0x0178, 0x9F},
    {0x017D, 0x8E}, {0x017E, 0x9E}, {0x0192, 0x83}, {0x02C6, 0x88}, {0x02DC, 0x98},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201A, 0x82},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x201E, 0x84}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x2022, 0x95}, {0x2026, 0x85}, {0x2030, 0x89}, {0x2039, 0x8B}, {0x203A, 0x9B},
    {0x20AC, 0x80}, {0x2122, 0x99},
};

// A typo in the table above would make the fuzzer blame the core; each of
// the 32 bytes must appear exactly once.
bool highBytesAreComplete()
{
    bool seen[32] = {};
    for (const Mapping &mapping : kHighBytes) {
        if (mapping.byte < 0x80 || mapping.byte > 0x9F || seen[mapping.byte - 0x80])
            return false;
        seen[mapping.byte - 0x80] = true;
    }
    return sizeof kHighBytes / sizeof kHighBytes[0] == 32;
}

std::optional<unsigned char> windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (const Mapping &mapping : kHighBytes) {
        if (mapping.codePoint == codePoint)
            return mapping.byte;
    }
    return std::nullopt;
}

// Decodes by the ranges of well-formed byte sequences (Unicode's table of
// them), rather than by shifting and checking the result afterwards; nothing
// for text that is not well-formed.
std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    std::u32string codePoints;
    std::size_t pos = 0;
    const auto byteAt = [&](std::size_t i) {
        return pos + i < text.size() ? static_cast<int>(static_cast<unsigned char>(text[pos + i])) : -1;
    };
    while (pos < text.size()) {
        const int lead = byteAt(0);
        std::size_t length;
        int secondLow = 0x80;
        int secondHigh = 0xBF;
        if (lead < 0x80) {
            codePoints.push_back(static_cast<char32_t>(lead));
            ++pos;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                secondLow = 0xA0; // shorter forms exist
            if (lead == 0xED)
                secondHigh = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                secondLow = 0x90;
            if (lead == 0xF4)
                secondHigh = 0x8F; // beyond 10FFFF
        } else {
            return std::nullopt;
        }
        if (byteAt(1) < secondLow || byteAt(1) > secondHigh)
            return std::nullopt;
        for (std::size_t i = 2; i < length; ++i) {
            if (byteAt(i) < 0x80 || byteAt(i) > 0xBF)
                return std::nullopt;
        }
        char32_t codePoint = static_cast<char32_t>(lead & (0x7F >> length));
        for (std::size_t i = 1; i < length; ++i)
            codePoint = codePoint << 6 | static_cast<char32_t>(byteAt(i) & 0x3F);
        codePoints.push_back(codePoint);
        pos += length;
    }
    return codePoints;
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | codePoint >> 6));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | codePoint >> 12));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | codePoint >> 18));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// UTF-8 text whose characters the bytes pick: a byte below 80 is itself, a
// higher one picks a range and the next bytes the character in it. The ranges
// hold the characters of Windows-1252 and their neighbours, any other of the
// Basic Multilingual Plane (U+FEFF first is the byte-order mark) and any
// beyond it.
std::string utf8PickedBy(const std::uint8_t *data, std::size_t size)
{
    std::size_t pos = 0;
    const auto next = [&]() -> unsigned { return pos < size ? data[pos++] : 0; };
    std::string text;
    while (pos < size) {
        const unsigned pick = next();
        if (pick < 0x80) {
            appendUtf8(text, pick);
            continue;
        }
        char32_t codePoint = 0;
        switch (pick % 8) {
        case 0: codePoint = 0x80 + next() % 0x80; break;    // C1 controls, Latin-1
        case 1: codePoint = 0x100 + next(); break;          // Latin Extended
        case 2: codePoint = 0x2C0 + next() % 0x20; break;   // modifier letters
        case 3: codePoint = 0x2000 + next() % 0x40; break;  // punctuation
        case 4: codePoint = 0x2080 + next() % 0x80; break;  // currency signs
        case 5: codePoint = 0x2100 + next() % 0x40; break;  // letterlike symbols
        case 6:
            codePoint = next() << 8;
            codePoint |= next();
            if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
                codePoint += 0x800; // UTF-8 has no surrogates
            break;
        default:
            codePoint = next() << 16;
            codePoint |= next() << 8;
            codePoint |= next();
            codePoint = 0x10000 + codePoint % 0x100000;
            break;
        }
        appendUtf8(text, codePoint);
    }
    return text;
}

// Checks toWindows1252Exactly(text) against the reference, which decodes all
// of text: a byte-order mark is a character like any other there.
void checkExactly(std::string_view text, const std::optional<std::u32string> &codePoints,
                  bool lacking, std::string_view converted)
{
    const std::optional<std::string> exactly = notepack::toWindows1252Exactly(text);
    if (!codePoints || lacking) {
        if (exactly)
            fail("toWindows1252Exactly converted text that is malformed or has a character Windows-1252 lacks");
    } else if (!exactly || *exactly != converted) {
        fail("toWindows1252Exactly differs from appendFileTextAsWindows1252");
    }
}

void checkConversion(std::string_view fileText)
{
    std::string converted;
    notepack::appendFileTextAsWindows1252(converted, fileText);
    if (converted.size() > fileText.size())
        fail("the output is longer than the input");

    std::string_view text = fileText;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());

    const std::optional<std::u32string> codePoints = decodeUtf8(text);
    bool lacking = false;
    if (!codePoints) {
        if (converted != text)
            fail("text that is not UTF-8 was not kept byte for byte");
    } else {
        if (converted.size() != codePoints->size())
            fail("the output is not one byte a code point");
        for (std::size_t i = 0; i < converted.size(); ++i) {
            const char32_t codePoint = (*codePoints)[i];
            const auto byte = static_cast<unsigned char>(converted[i]);
            if (codePoint < 0x80 && byte != codePoint)
                fail("an ASCII character changed");
            if (const std::optional<unsigned char> expected = windows1252Byte(codePoint)) {
                if (byte != *expected)
                    fail("a character became the wrong Windows-1252 byte");
            } else {
                if (byte != '?')
                    fail("a character Windows-1252 lacks did not become ?");
                lacking = true;
            }
        }
    }
    checkExactly(text, codePoints, lacking, converted);
    if (text.size() != fileText.size()) {
        // U+FEFF is not in Windows-1252, so an exact conversion of the whole
        // text must fail.
        if (notepack::toWindows1252Exactly(fileText))
            fail("toWindows1252Exactly converted a byte-order mark");
    }

    std::string appended(kEarlierContent);
    notepack::appendFileTextAsWindows1252(appended, fileText);
    if (appended.size() != kEarlierContent.size() + converted.size() ||
        !appended.starts_with(kEarlierContent) ||
        appended.compare(kEarlierContent.size(), std::string::npos, converted) != 0)
        fail("appending after earlier content gave other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool tableIsComplete = highBytesAreComplete();
    if (!tableIsComplete)
        fail("the fuzzer's own table of the bytes 80 to 9F is wrong");

    checkConversion({reinterpret_cast<const char *>(data), size});

    const std::string picked = utf8PickedBy(data, size);
    if (!decodeUtf8(picked))
        fail("the fuzzer's own encoder and decoder disagree");
    checkConversion(picked);
    return 0;
}
