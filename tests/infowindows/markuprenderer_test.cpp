// SPDX-License-Identifier: MIT
#include "markuprenderer.h"

#include "markupreference.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace notepack {

void PrintTo(const MarkupRun &run, std::ostream *os)
{
    *os << "{start " << run.start << ", length " << run.length << (run.bold ? ", bold" : "")
        << (run.italic ? ", italic" : "") << ", size " << run.size << "}";
}

} // namespace notepack

namespace {

using notepack::MarkupRun;
using notepack::RenderMarkup;
using notepack::StyledText;
using notepack::reference::RenderMarkupLiterally;
using notepack::reference::runsProblem;

// Quoted, with CR, LF, quotes and every non-ASCII unit escaped, so that a
// failure shows exactly which code units differ.
std::string Readable(std::u16string_view text)
{
    std::string out = "u\"";
    for (char16_t c : text) {
        if (c == u'\r') {
            out += "\\r";
        } else if (c == u'\n') {
            out += "\\n";
        } else if (c == u'\\' || c == u'"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

MarkupRun plain(int start, int length, int size = 12)
{
    return {start, length, false, false, size};
}

MarkupRun bold(int start, int length, int size = 12)
{
    return {start, length, true, false, size};
}

MarkupRun italic(int start, int length, int size = 12)
{
    return {start, length, false, true, size};
}

MarkupRun boldItalic(int start, int length, int size = 12)
{
    return {start, length, true, true, size};
}

constexpr bool kEntities = true;
constexpr bool kNoEntities = false;

struct MarkupCase {
    std::string name;
    std::u16string markup;
    int baseSize;
    bool decodeEntities;
    std::u16string text;
    std::vector<MarkupRun> runs;
};

void PrintTo(const MarkupCase &c, std::ostream *os)
{
    *os << c.name << ": " << Readable(c.markup) << ", base size " << c.baseSize
        << (c.decodeEntities ? ", entities on" : ", entities off");
}

const std::vector<MarkupCase> &markupCases()
{
    static const std::vector<MarkupCase> cases = {
        // clang-format off
        // Tags and their names
        {"BoldThenPlain", u"<b>Bold</b> plain", 12, kNoEntities, u"Bold plain",
         {bold(0, 4), plain(4, 6)}},
        {"UpperCaseBold", u"<B>x</B>y", 12, kNoEntities, u"xy", {bold(0, 1), plain(1, 1)}},
        {"UpperCaseItalic", u"<I>x</I>y", 12, kNoEntities, u"xy", {italic(0, 1), plain(1, 1)}},
        {"MixedCaseFont", u"<FoNt SIZE=\"14\">x</FONT>y", 12, kNoEntities, u"xy",
         {plain(0, 1, 14), plain(1, 1)}},
        {"NameEndsAtFirstSpace", u"<b class=x>y", 12, kNoEntities, u"y", {bold(0, 1)}},
        {"SpaceAfterSlashIsUnknownTag", u"<b>x</ b>y", 12, kNoEntities, u"xy", {bold(0, 2)}},
        {"UnknownTagVanishes", u"a<br>b", 12, kNoEntities, u"ab", {plain(0, 2)}},
        {"EmptyTagVanishes", u"a<>b", 12, kNoEntities, u"ab", {plain(0, 2)}},
        {"MismatchedCloseKeepsBold", u"<b>x</i>y", 12, kNoEntities, u"xy", {bold(0, 2)}},
        {"NestedBoldItalic", u"<b><i>x</i></b>", 12, kNoEntities, u"x", {boldItalic(0, 1)}},
        {"OverlappingBoldItalic", u"<b>a<i>b</b>c</i>d", 12, kNoEntities, u"abcd",
         {bold(0, 1), boldItalic(1, 1), italic(2, 1), plain(3, 1)}},
        {"CloseWithoutOpenChangesNothingShown", u"</i>a<i>b", 12, kNoEntities, u"ab",
         {plain(0, 1), italic(1, 1)}},
        {"EqualNeighboursJoin", u"<b>a</b><b>b</b>", 12, kNoEntities, u"ab", {bold(0, 2)}},
        {"EmptyStyleChangeJoins", u"a<i></i>b", 12, kNoEntities, u"ab", {plain(0, 2)}},

        // The size slot
        {"SizesAreNotStacked", u"<font size=\"14\">A<font size=\"10\">B</font>C</font>D",
         12, kNoEntities, u"ABCD",
         {plain(0, 1, 14), plain(1, 1, 10), plain(2, 2, 14)}},
        {"SecondCloseFontKeepsSlot", u"<font size=\"14\">a</font>b</font>c",
         12, kNoEntities, u"abc",
         {plain(0, 1, 14), plain(1, 2)}},
        {"InnerFontOverwritesSlot", u"<font size=\"14\"><font size=\"10\">a</font>b</font>c",
         12, kNoEntities, u"abc",
         {plain(0, 1, 10), plain(1, 2, 14)}},
        {"CloseFontBeforeAnyFontGivesZero", u"a</font>b", 12, kNoEntities, u"ab",
         {plain(0, 1), plain(1, 1, 0)}},
        {"CloseFontBeforeAnyFontIgnoresBase", u"</font>x", 20, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"CloseFontReturnsToBase", u"a<font size=\"8\">b</font>c", 20, kNoEntities, u"abc",
         {plain(0, 1, 20), plain(1, 1, 8), plain(2, 1, 20)}},
        {"BaseSizeForPlainText", u"text", 20, kNoEntities, u"text", {plain(0, 4, 20)}},

        // The size value
        {"UnquotedSizeGivesZero", u"<font size=10>x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"QuotedWordGivesZero", u"<font color=\"red\">x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"FontWithoutBodyGivesZero", u"<font>x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"EmptyQuotesGiveZero", u"<font size=\"\">x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"FirstQuotedValueIsTheSize", u"<font color=\"9\" size=\"14\">x", 12, kNoEntities, u"x",
         {plain(0, 1, 9)}},
        {"UnclosedQuoteRunsToBodyEnd", u"<font size=\"14>x", 12, kNoEntities, u"x",
         {plain(0, 1, 14)}},
        {"FractionIsCut", u"<font size=\"10.5\">x", 12, kNoEntities, u"x", {plain(0, 1, 10)}},
        {"LeadingNumberIsRead", u"<font size=\"14pt\">x", 12, kNoEntities, u"x", {plain(0, 1, 14)}},
        {"MinusSignIsRead", u"<font size=\"-3\">x", 12, kNoEntities, u"x", {plain(0, 1, -3)}},
        {"PlusSignIsRead", u"<font size=\"+7\">x", 12, kNoEntities, u"x", {plain(0, 1, 7)}},
        {"LoneSignGivesZero", u"<font size=\"-\">x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"LeadingSpaceGivesZero", u"<font size=\" 14\">x", 12, kNoEntities, u"x", {plain(0, 1, 0)}},
        {"LargestSizeIsExact", u"<font size=\"2147483647\">x", 12, kNoEntities, u"x",
         {plain(0, 1, 2147483647)}},
        {"OneAboveLargestClamps", u"<font size=\"2147483648\">x", 12, kNoEntities, u"x",
         {plain(0, 1, 2147483647)}},
        {"LongDigitStringClamps", u"<font size=\"000099999999999999999999999\">x",
         12, kNoEntities, u"x",
         {plain(0, 1, 2147483647)}},
        {"SmallestSizeIsExact", u"<font size=\"-2147483648\">x", 12, kNoEntities, u"x",
         {plain(0, 1, -2147483647 - 1)}},
        {"LongNegativeClamps", u"<font size=\"-99999999999999999999\">x", 12, kNoEntities, u"x",
         {plain(0, 1, -2147483647 - 1)}},
        {"QuoteInNameIsUnknownTag", u"<font\"14\">x", 12, kNoEntities, u"x", {plain(0, 1)}},

        // Stray and unmatched angle brackets
        {"StrayLessThanSwallowsToNextGreater", u"1 < 2 and 3 > 2", 12, kNoEntities, u"1  2",
         {plain(0, 4)}},
        {"EarlierGreaterIsNotUsed", u">a<b>c", 12, kNoEntities, u">ac", {plain(0, 2), bold(2, 1)}},
        {"LessThanInsideBodyBelongsToName", u"<a<b>x", 12, kNoEntities, u"x", {plain(0, 1)}},
        {"DoubledLessThanIsUnknownTag", u"<<b>x", 12, kNoEntities, u"x", {plain(0, 1)}},
        {"TagLeftAfterRemovalIsText", u"<<b>b>", 12, kNoEntities, u"b>", {plain(0, 2)}},
        {"LessThanWithoutGreaterIsKept", u"a<b", 12, kNoEntities, u"a<b", {plain(0, 3)}},
        {"KeptLessThanHasStyleInForce", u"<b>x<y", 12, kNoEntities, u"x<y", {bold(0, 3)}},
        {"KeptLessThanAfterGreater", u"x>y<z", 12, kNoEntities, u"x>y<z", {plain(0, 5)}},
        {"OnlyTheUnclosedRestIsKept", u"<i>a<b>c<d<e", 12, kNoEntities, u"ac<d<e",
         {italic(0, 1), boldItalic(1, 5)}},
        {"LoneLessThanIsKept", u"<", 12, kEntities, u"<", {plain(0, 1)}},

        // Tags at the end, texts without markup
        {"TagAtEndChangesNothingShown", u"ab<b>", 12, kNoEntities, u"ab", {plain(0, 2)}},
        {"CloseFontAtEndChangesNothingShown", u"ab</font>", 12, kNoEntities, u"ab", {plain(0, 2)}},
        {"TextWithoutTagsUnchanged", u"just > text", 12, kNoEntities, u"just > text",
         {plain(0, 11)}},
        {"TextWithoutMarkupUnchangedWithEntities", u"semi; colon > here",
         12, kEntities, u"semi; colon > here",
         {plain(0, 18)}},
        {"EmptyTextHasNoRuns", u"", 12, kNoEntities, u"", {}},
        {"EmptyTextHasNoRunsWithEntities", u"", 12, kEntities, u"", {}},
        {"OnlyTagsGiveNoRuns", u"<b></b><font size=\"3\">", 12, kNoEntities, u"", {}},

        // Entities
        {"LtEntity", u"&lt;", 12, kEntities, u"<", {plain(0, 1)}},
        {"UpperCaseGtEntity", u"&GT;", 12, kEntities, u">", {plain(0, 1)}},
        {"MixedCaseLtEntity", u"a&Lt;b", 12, kEntities, u"a<b", {plain(0, 3)}},
        {"EscapedTagIsNotATag", u"&lt;b&gt;x", 12, kEntities, u"<b>x", {plain(0, 4)}},
        {"EscapedTagHasStyleInForce", u"<i>&lt;b&gt;</i>x", 12, kEntities, u"<b>x",
         {italic(0, 3), plain(3, 1)}},
        {"DecodedLessThanStartsNoTag", u"&lt;i>x", 12, kEntities, u"<i>x", {plain(0, 4)}},
        {"TagsStillRemovedWithEntities", u"&lt;<b>x", 12, kEntities, u"<x",
         {plain(0, 1), bold(1, 1)}},
        {"EntitiesOffLtStays", u"&lt;", 12, kNoEntities, u"&lt;", {plain(0, 4)}},
        {"EntitiesOffEscapedTagStays", u"&lt;b&gt;", 12, kNoEntities, u"&lt;b&gt;", {plain(0, 9)}},
        {"AmpersandWithoutSemicolonIsKept", u"fish & chips &lt", 12, kEntities, u"fish & chips &lt",
         {plain(0, 16)}},
        {"UnknownEntityIsKept", u"&amp;lt;", 12, kEntities, u"&amp;lt;", {plain(0, 8)}},
        {"AmpersandAfterKeptOneStartsEntity", u"&&lt;", 12, kEntities, u"&<", {plain(0, 2)}},
        {"EntityInsideUnknownNameIsDecoded", u"&x &lt;!", 12, kEntities, u"&x <!", {plain(0, 5)}},
        {"EntityNameEndsAtFirstSpace", u"&lt junk;x", 12, kEntities, u"<x", {plain(0, 2)}},
        {"EntitySpanSwallowsLaterAmpersand", u"&lt &gt;x", 12, kEntities, u"<x", {plain(0, 2)}},
        {"AmpersandInNameMakesItUnknown", u"&lt&gt;", 12, kEntities, u"&lt>", {plain(0, 4)}},
        {"LtWithoutSemicolonLaterSemicolon", u"&l;t;", 12, kEntities, u"&l;t;", {plain(0, 5)}},
        {"DecodedCharTakesStyleOfAmpersand", u"<b>&l</b>t;x", 12, kEntities, u"<x",
         {bold(0, 1), plain(1, 1)}},
        {"EntityAcrossTagKeepsAmpersandStyle", u"&<b>lt;x", 12, kEntities, u"<x",
         {plain(0, 1), bold(1, 1)}},
        {"KeptLessThanAndEntity", u"a<b &lt;", 12, kEntities, u"a<b <", {plain(0, 5)}},

        // Line breaks and code units
        {"CrCountsAsOneCharacter", u"a\r<b>b\rc</b>\r", 12, kNoEntities, u"a\rb\rc\r",
         {plain(0, 2), bold(2, 3), plain(5, 1)}},
        {"CrAroundEntity", u"\r&lt;\r<i>x", 12, kEntities, u"\r<\rx", {plain(0, 3), italic(3, 1)}},
        {"PositionsCountUtf16Units", u"<b>\u00E4\u20AC</b>\U0001F600<i>x",
         12, kNoEntities, u"\u00E4\u20AC\U0001F600x",
         {bold(0, 2), plain(2, 2), italic(4, 1)}},
        // clang-format on
    };
    return cases;
}

class RenderMarkupTable : public testing::TestWithParam<MarkupCase> {};

TEST_P(RenderMarkupTable, GivesTheExpectedTextAndRuns)
{
    const MarkupCase &c = GetParam();
    const StyledText rendered = RenderMarkup(c.markup, c.baseSize, c.decodeEntities);
    EXPECT_EQ(rendered.text, c.text)
        << "rendered " << Readable(rendered.text) << ", expected " << Readable(c.text);
    EXPECT_EQ(rendered.runs, c.runs);
}

// Pins the slow renderer that the exhaustive tests below rely on.
TEST_P(RenderMarkupTable, LiteralAlgorithmAgrees)
{
    const MarkupCase &c = GetParam();
    const StyledText rendered = RenderMarkupLiterally(c.markup, c.baseSize, c.decodeEntities);
    EXPECT_EQ(rendered.text, c.text)
        << "rendered " << Readable(rendered.text) << ", expected " << Readable(c.text);
    EXPECT_EQ(rendered.runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderMarkupTable, testing::ValuesIn(markupCases()),
                         [](const testing::TestParamInfo<MarkupCase> &info) {
                             return info.param.name;
                         });

TEST(RenderMarkupTest, RunsCheckNoticesBrokenRuns)
{
    EXPECT_EQ(runsProblem({u"ab", {plain(0, 1), bold(1, 1)}}), "");
    EXPECT_NE(runsProblem({u"ab", {plain(0, 1)}}), "");
    EXPECT_NE(runsProblem({u"ab", {plain(0, 1), plain(1, 1)}}), "");
    EXPECT_NE(runsProblem({u"ab", {plain(0, 0), plain(0, 2)}}), "");
    EXPECT_NE(runsProblem({u"ab", {plain(1, 1)}}), "");
    EXPECT_NE(runsProblem({u"", {plain(0, 0)}}), "");
}

// Pieces that make tags, entities and their near misses when strung
// together.
const std::vector<std::u16string> &pieces()
{
    static const std::vector<std::u16string> all = {
        u"<", u">",    u"&",  u";",  u"\"", u" ", u"/",  u"b",
        u"i", u"font", u"lt", u"GT", u"9",  u"-", u"\r",
    };
    return all;
}

void expectSameAsLiteral(const std::u16string &markup, int baseSize, bool decodeEntities)
{
    const StyledText fast = RenderMarkup(markup, baseSize, decodeEntities);
    const StyledText slow = RenderMarkupLiterally(markup, baseSize, decodeEntities);
    ASSERT_EQ(fast.text, slow.text) << "for " << Readable(markup) << ": rendered "
                                    << Readable(fast.text) << ", literally " << Readable(slow.text);
    ASSERT_EQ(fast.runs, slow.runs) << "for " << Readable(markup);
    ASSERT_EQ(runsProblem(fast), "") << "for " << Readable(markup);
}

TEST(RenderMarkupTest, MatchesLiteralAlgorithmOnEveryShortSequence)
{
    const auto &all = pieces();
    std::vector<std::size_t> digits;
    for (std::size_t length = 0; length <= 4; ++length) {
        digits.assign(length, 0);
        for (;;) {
            std::u16string markup;
            for (std::size_t d : digits)
                markup += all[d];
            for (bool entities : {false, true}) {
                expectSameAsLiteral(markup, 12, entities);
                if (HasFatalFailure())
                    return;
            }
            std::size_t i = 0;
            while (i < length && ++digits[i] == all.size())
                digits[i++] = 0;
            if (i == length)
                break;
        }
    }
}

TEST(RenderMarkupTest, MatchesLiteralAlgorithmOnLongerSequences)
{
    const auto &all = pieces();
    const std::vector<std::u16string> tags = {
        u"<b>",
        u"</b>",
        u"<i>",
        u"</I>",
        u"<font size=\"14\">",
        u"<font size=\"-2.5\">",
        u"</font>",
        u"&lt;",
        u"&gt;",
        u"&lt ;",
        u"\u00E4",
        u"\U0001F600",
    };
    std::mt19937 random(20240611); // fixed, so every run checks the same texts
    for (int round = 0; round < 20000; ++round) {
        std::u16string markup;
        const auto length = std::uniform_int_distribution<int>(0, 24)(random);
        for (int k = 0; k < length; ++k) {
            if (std::bernoulli_distribution(0.3)(random))
                markup +=
                    tags[std::uniform_int_distribution<std::size_t>(0, tags.size() - 1)(random)];
            else
                markup +=
                    all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(random)];
        }
        const int baseSize = std::uniform_int_distribution<int>(-2, 30)(random);
        expectSameAsLiteral(markup, baseSize, (round & 1) != 0);
        if (HasFatalFailure())
            return;
    }
}

TEST(RenderMarkupTest, ManyAmpersandsBeforeOneSemicolonAreKept)
{
    const std::u16string markup = std::u16string(100000, u'&') + u";&lt;";
    const StyledText rendered = RenderMarkup(markup, 12, true);
    EXPECT_EQ(rendered.text, std::u16string(100000, u'&') + u";<");
    EXPECT_EQ(rendered.runs, std::vector<MarkupRun>{plain(0, 100002)});
}

TEST(RenderMarkupTest, ManyLessThansBeforeOneGreaterAreOneTag)
{
    const std::u16string markup = u"a" + std::u16string(100000, u'<') + u">b<b";
    const StyledText rendered = RenderMarkup(markup, 12, false);
    EXPECT_EQ(rendered.text, u"ab<b");
    EXPECT_EQ(rendered.runs, std::vector<MarkupRun>{plain(0, 4)});
}

TEST(RenderMarkupTest, ManyTagsGiveAlternatingRuns)
{
    std::u16string markup;
    std::vector<MarkupRun> expected;
    for (int i = 0; i < 10000; ++i) {
        markup += (i % 2 == 0) ? u"<b>x</b>" : u"<i>y</i>";
        expected.push_back((i % 2 == 0) ? bold(i, 1) : italic(i, 1));
    }
    const StyledText rendered = RenderMarkup(markup, 12, true);
    EXPECT_EQ(rendered.text.size(), 10000u);
    EXPECT_EQ(rendered.runs, expected);
}

} // namespace
