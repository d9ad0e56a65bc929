// SPDX-License-Identifier: MIT
#include "markuprenderer.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace notepack {

namespace {

constexpr auto npos = std::u16string_view::npos;

struct Style {
    bool bold = false;
    bool italic = false;
    int size = 0;

    bool operator==(const Style &) const = default;
};

Style styleOf(const MarkupRun &run)
{
    return {run.bold, run.italic, run.size};
}

// Builds the result left to right, growing the last run while the style
// stays the same, which keeps the runs maximal without a joining pass.
class StyledWriter {
public:
    void append(std::u16string_view chars, Style style)
    {
        if (chars.empty())
            return;
        const int length = static_cast<int>(chars.size());
        if (!result_.runs.empty() && styleOf(result_.runs.back()) == style) {
            result_.runs.back().length += length;
        } else {
            result_.runs.push_back({static_cast<int>(result_.text.size()), length, style.bold,
                                    style.italic, style.size});
        }
        result_.text.append(chars);
    }

    StyledText take() { return std::move(result_); }

private:
    StyledText result_;
};

// Looks up the style of positions that never go backwards, so a whole pass
// over the text walks the runs once.
class RunCursor {
public:
    explicit RunCursor(const StyledText &source)
        : source_(source)
    {
    }

    const MarkupRun &runAt(std::size_t position)
    {
        while (static_cast<std::size_t>(source_.runs[index_].start + source_.runs[index_].length) <=
               position)
            ++index_;
        return source_.runs[index_];
    }

    void copy(StyledWriter &writer, std::size_t from, std::size_t to)
    {
        while (from < to) {
            const MarkupRun &run = runAt(from);
            const std::size_t end = std::min(to, static_cast<std::size_t>(run.start) +
                                                     static_cast<std::size_t>(run.length));
            writer.append(std::u16string_view(source_.text).substr(from, end - from), styleOf(run));
            from = end;
        }
    }

private:
    const StyledText &source_;
    std::size_t index_ = 0;
};

char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool equalsIgnoringCase(std::u16string_view text, std::u16string_view lowerName)
{
    return text.size() == lowerName.size() &&
           std::equal(text.begin(), text.end(), lowerName.begin(),
                      [](char16_t a, char16_t b) { return lowerAscii(a) == b; });
}

// Clamps instead of wrapping: a size in the Help text is never near the
// limits, and clamping keeps a mistyped digit string harmless.
int leadingInteger(std::u16string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const std::int64_t limit = negative
                                   ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - u'0'));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// The first quoted value of the body, whatever attribute it belongs to; an
// unclosed quote runs to the end of the body.
int fontSize(std::u16string_view body)
{
    const std::size_t open = body.find(u'"');
    if (open == npos)
        return 0;
    std::u16string_view value = body.substr(open + 1);
    return leadingInteger(value.substr(0, value.find(u'"')));
}

struct RenderState {
    Style current;
    int rememberedSize = 0;
};

void applyTag(std::u16string_view body, RenderState &state)
{
    const std::u16string_view name = body.substr(0, body.find(u' '));
    if (equalsIgnoringCase(name, u"b")) {
        state.current.bold = true;
    } else if (equalsIgnoringCase(name, u"/b")) {
        state.current.bold = false;
    } else if (equalsIgnoringCase(name, u"i")) {
        state.current.italic = true;
    } else if (equalsIgnoringCase(name, u"/i")) {
        state.current.italic = false;
    } else if (equalsIgnoringCase(name, u"font")) {
        state.rememberedSize = state.current.size;
        state.current.size = fontSize(body);
    } else if (equalsIgnoringCase(name, u"/font")) {
        state.current.size = state.rememberedSize;
    }
}

// Removing a tag leaves no "<" before its place, so the next tag is simply
// the next "<" further on: one scan gives what searching the edited text
// from its start again would.
StyledText renderTags(std::u16string_view markup, int baseSize)
{
    StyledWriter writer;
    RenderState state;
    state.current.size = baseSize;
    std::size_t position = 0;
    for (;;) {
        const std::size_t open = markup.find(u'<', position);
        if (open == npos)
            break;
        const std::size_t close = markup.find(u'>', open + 1);
        // No ">" after this "<" means none after any later one either: the
        // rest is plain text.
        if (close == npos)
            break;
        writer.append(markup.substr(position, open - position), state.current);
        applyTag(markup.substr(open + 1, close - open - 1), state);
        position = close + 1;
    }
    writer.append(markup.substr(position), state.current);
    return writer.take();
}

// Only the first three characters matter: the name ends at the first space,
// and reading further would make a text full of "&" quadratic.
char16_t decodedEntity(std::u16string_view between)
{
    if (between.size() < 2 || (between.size() > 2 && between[2] != u' ') ||
        lowerAscii(between[1]) != u't')
        return 0;
    switch (lowerAscii(between[0])) {
    case u'l':
        return u'<';
    case u'g':
        return u'>';
    default:
        return 0;
    }
}

StyledText replaceEntities(StyledText tagged)
{
    const std::u16string_view text = tagged.text;
    if (text.find(u'&') == npos)
        return tagged;

    StyledWriter writer;
    RunCursor cursor(tagged);
    std::size_t copied = 0;
    std::size_t position = 0;
    // The first ";" after an earlier "&" is also the first after any later
    // "&" that stands before it, so it is looked for again only once passed.
    std::size_t semicolon = 0;
    for (;;) {
        const std::size_t ampersand = text.find(u'&', position);
        if (ampersand == npos)
            break;
        if (semicolon <= ampersand)
            semicolon = text.find(u';', ampersand + 1);
        if (semicolon == npos)
            break;
        const char16_t decoded =
            decodedEntity(text.substr(ampersand + 1, semicolon - ampersand - 1));
        if (decoded == 0) {
            // Not an entity: the "&" stays, and a later "&" inside what looked
            // like its name may still start one.
            position = ampersand + 1;
            continue;
        }
        cursor.copy(writer, copied, ampersand);
        writer.append(std::u16string_view(&decoded, 1), styleOf(cursor.runAt(ampersand)));
        copied = position = semicolon + 1;
    }
    cursor.copy(writer, copied, text.size());
    return writer.take();
}

} // namespace

StyledText RenderMarkup(std::u16string_view markup, int baseSize, bool decodeEntities)
{
    StyledText tagged = renderTags(markup, baseSize);
    if (!decodeEntities)
        return tagged;
    return replaceEntities(std::move(tagged));
}

} // namespace notepack
