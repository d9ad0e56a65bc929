// SPDX-License-Identifier: MIT
#include "sampletext.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace {

struct Word {
    std::string_view utf8;
    std::string_view windows1252;
};

constexpr std::array<Word, 32> kPlainWords = {{
    {"the", "the"},         {"memo", "memo"},       {"note", "note"},     {"list", "list"},
    {"call", "call"},       {"buy", "buy"},         {"milk", "milk"},     {"meeting", "meeting"},
    {"at", "at"},           {"on", "on"},           {"Monday", "Monday"}, {"and", "and"},
    {"for", "for"},         {"project", "project"}, {"draft", "draft"},   {"send", "send"},
    {"review", "review"},   {"of", "of"},           {"to", "to"},         {"a", "a"},
    {"in", "in"},           {"is", "is"},           {"with", "with"},     {"bring", "bring"},
    {"book", "book"},       {"3", "3"},             {"10:30", "10:30"},   {"ideas", "ideas"},
    {"phone", "phone"},     {"reply", "reply"},     {"tomorrow", "tomorrow"}, {"Anna", "Anna"},
}};

// é is C3 A9 in UTF-8 and E9 in Windows-1252; € is E2 82 AC and 80.
constexpr std::array<Word, 9> kAccentedWords = {{
    {"caf\xC3\xA9", "caf\xE9"},
    {"r\xC3\xA9sum\xC3\xA9", "r\xE9sum\xE9"},
    {"d\xC3\xA9\x63or", "d\xE9\x63or"},
    {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9"},
    {"id\xC3\xA9\x65", "id\xE9\x65"},
    {"r\xC3\xA9union", "r\xE9union"},
    {"t\xC3\xA9l\xC3\xA9", "t\xE9l\xE9"},
    {"fianc\xC3\xA9", "fianc\xE9"},
    {"entr\xC3\xA9\x65", "entr\xE9\x65"},
}};

constexpr std::array<Word, 4> kMoneyWords = {{
    {"12\xE2\x82\xAC", "12\x80"},
    {"\xE2\x82\xAC\x35", "\x80\x35"},
    {"9,99\xE2\x82\xAC", "9,99\x80"},
    {"\xE2\x82\xAC", "\x80"},
}};

// Tops a file up to its exact size with plain text once no word fits.
constexpr std::string_view kFiller = " etc. etc. etc. etc. etc. etc. etc. etc.";

void append(SampleFile &file, std::string_view utf8, std::string_view windows1252)
{
    file.utf8 += utf8;
    file.windows1252 += windows1252;
}

} // namespace

SampleText::SampleText(std::uint64_t seed)
    : m_state(seed)
{
}

// splitmix64: tiny, and unlike the standard distributions it gives the same
// numbers with every standard library.
std::uint64_t SampleText::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

SampleFile SampleText::make(std::size_t bytes, const std::string &lineBreak)
{
    if (bytes < lineBreak.size())
        throw std::invalid_argument("a sample file too small for its line break");
    const std::size_t textEnd = bytes - lineBreak.size();

    SampleFile file;
    file.utf8.reserve(bytes);
    file.windows1252.reserve(bytes);
    std::size_t lineStart = 0;
    std::size_t lineWidth = 30 + below(43);
    for (;;) {
        // One word in about seventeen has a non-ASCII character: notes in
        // English with the odd café and price. How often the converter leaves
        // its ASCII fast path moves the packer's time a good deal.
        const std::uint64_t pick = below(100);
        const Word &word = pick < 1   ? kMoneyWords[below(kMoneyWords.size())]
                           : pick < 6 ? kAccentedWords[below(kAccentedWords.size())]
                                       : kPlainWords[below(kPlainWords.size())];
        const bool endsSentence = below(8) == 0;
        const bool lineIsEmpty = file.utf8.size() == lineStart;
        const bool breaksLine = !lineIsEmpty && file.utf8.size() - lineStart + word.utf8.size() >
                                                    lineWidth;
        const bool blankLine = breaksLine && below(6) == 0;
        const std::size_t separator = lineIsEmpty ? 0
                                      : breaksLine ? lineBreak.size() * (blankLine ? 2 : 1)
                                                   : 1;
        if (file.utf8.size() + separator + word.utf8.size() + (endsSentence ? 1 : 0) > textEnd)
            break;

        if (breaksLine) {
            append(file, lineBreak, lineBreak);
            if (blankLine)
                append(file, lineBreak, lineBreak);
            lineStart = file.utf8.size();
            lineWidth = 30 + below(43);
        } else if (!lineIsEmpty) {
            append(file, " ", " ");
        }
        append(file, word.utf8, word.windows1252);
        if (endsSentence)
            append(file, ".", ".");
    }

    const std::size_t missing = textEnd - file.utf8.size();
    if (missing > kFiller.size())
        throw std::logic_error("sample text stopped too early");
    append(file, kFiller.substr(0, missing), kFiller.substr(0, missing));
    append(file, lineBreak, lineBreak);
    return file;
}
