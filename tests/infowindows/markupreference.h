// SPDX-License-Identifier: MIT
#pragma once

// A deliberately slow renderer that edits the text the way a styled text
// field would: remove each tag, restyle everything after it, search again
// from the start. The tests and the fuzzer hold the fast renderer to it.

#include "markuprenderer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notepack::reference {

struct StyledChar {
    char16_t code;
    bool bold;
    bool italic;
    int size;
    bool keptAsText = false; // an "&" found not to start an entity
};

inline std::u16string asciiLower(std::u16string text)
{
    for (char16_t &c : text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + (u'a' - u'A'));
    return text;
}

// Written differently from the renderer on purpose: digits are collected
// first and the clamp is decided on their count and value.
inline int sizeValue(const std::u16string &body)
{
    const std::size_t open = body.find(u'"');
    if (open == std::u16string::npos)
        return 0;
    std::u16string value = body.substr(open + 1);
    value = value.substr(0, value.find(u'"'));
    bool negative = false;
    if (!value.empty() && (value[0] == u'-' || value[0] == u'+')) {
        negative = value[0] == u'-';
        value.erase(0, 1);
    }
    std::string digits;
    for (char16_t c : value) {
        if (c < u'0' || c > u'9')
            break;
        if (!(digits.empty() && c == u'0'))
            digits += static_cast<char>(c);
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = digits.size() > 10 ? limit : (digits.empty() ? 0 : std::stoll(digits));
    if (magnitude > limit)
        magnitude = limit;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

inline std::vector<MarkupRun> joinRuns(const std::vector<StyledChar> &text)
{
    std::vector<MarkupRun> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const StyledChar &c = text[i];
        if (!runs.empty() && runs.back().bold == c.bold && runs.back().italic == c.italic &&
            runs.back().size == c.size)
            ++runs.back().length;
        else
            runs.push_back({static_cast<int>(i), 1, c.bold, c.italic, c.size});
    }
    return runs;
}

inline StyledText RenderMarkupLiterally(std::u16string_view markup, int baseSize,
                                        bool decodeEntities)
{
    std::vector<StyledChar> text;
    for (char16_t c : markup)
        text.push_back({c, false, false, baseSize});

    const auto find = [&text](char16_t wanted, std::size_t from) {
        for (std::size_t i = from; i < text.size(); ++i)
            if (text[i].code == wanted && !text[i].keptAsText)
                return i;
        return text.size();
    };

    int size = baseSize;
    int remembered = 0;
    for (;;) {
        const std::size_t open = find(u'<', 0);
        if (open == text.size())
            break;
        const std::size_t close = find(u'>', open);
        if (close == text.size())
            break; // kept, and so is everything after it
        std::u16string body;
        for (std::size_t i = open + 1; i < close; ++i)
            body += text[i].code;
        const std::u16string name = asciiLower(body.substr(0, body.find(u' ')));
        text.erase(text.begin() + static_cast<std::ptrdiff_t>(open),
                   text.begin() + static_cast<std::ptrdiff_t>(close) + 1);
        for (std::size_t i = open; i < text.size(); ++i) {
            StyledChar &c = text[i];
            if (name == u"b")
                c.bold = true;
            else if (name == u"/b")
                c.bold = false;
            else if (name == u"i")
                c.italic = true;
            else if (name == u"/i")
                c.italic = false;
        }
        if (name == u"font") {
            remembered = size;
            size = sizeValue(body);
        } else if (name == u"/font") {
            size = remembered;
        }
        if (name == u"font" || name == u"/font")
            for (std::size_t i = open; i < text.size(); ++i)
                text[i].size = size;
    }

    while (decodeEntities) {
        const std::size_t ampersand = find(u'&', 0);
        if (ampersand == text.size())
            break;
        std::size_t semicolon = ampersand + 1;
        while (semicolon < text.size() && text[semicolon].code != u';')
            ++semicolon;
        if (semicolon == text.size()) {
            text[ampersand].keptAsText = true;
            continue;
        }
        std::u16string between;
        for (std::size_t i = ampersand + 1; i < semicolon; ++i)
            between += text[i].code;
        const std::u16string name = asciiLower(between.substr(0, between.find(u' ')));
        if (name != u"lt" && name != u"gt") {
            text[ampersand].keptAsText = true;
            continue;
        }
        StyledChar decoded = text[ampersand];
        decoded.code = name == u"lt" ? u'<' : u'>';
        text.erase(text.begin() + static_cast<std::ptrdiff_t>(ampersand),
                   text.begin() + static_cast<std::ptrdiff_t>(semicolon) + 1);
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(ampersand), decoded);
    }

    StyledText result;
    for (const StyledChar &c : text)
        result.text += c.code;
    result.runs = joinRuns(text);
    return result;
}

// Empty when the runs cover the text exactly, in order, each non-empty and
// each differing from the one before; otherwise what is wrong.
inline std::string runsProblem(const StyledText &rendered)
{
    std::int64_t next = 0;
    for (std::size_t i = 0; i < rendered.runs.size(); ++i) {
        const MarkupRun &run = rendered.runs[i];
        const std::string which = "run " + std::to_string(i);
        if (run.start != next)
            return which + " starts at " + std::to_string(run.start) + ", not " +
                   std::to_string(next);
        if (run.length < 1)
            return which + " has length " + std::to_string(run.length);
        if (i > 0) {
            const MarkupRun &before = rendered.runs[i - 1];
            if (before.bold == run.bold && before.italic == run.italic && before.size == run.size)
                return which + " has the same style as the run before it";
        }
        next += run.length;
    }
    if (next != static_cast<std::int64_t>(rendered.text.size()))
        return "runs cover " + std::to_string(next) + " of " +
               std::to_string(rendered.text.size()) + " code units";
    return {};
}

} // namespace notepack::reference
