// SPDX-License-Identifier: MIT
#include "windows1252.h"

#include <gtest/gtest.h>

using namespace notepack;

namespace {

std::string converted(std::string_view fileText)
{
    std::string out;
    appendFileTextAsWindows1252(out, fileText);
    return out;
}

struct ConversionCase {
    const char *name;
    std::string fileText;
    std::string memoText;
};

class FileTextConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(FileTextConversionTest, GivesTheWindows1252Text)
{
    EXPECT_EQ(converted(GetParam().fileText), GetParam().memoText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileTextConversionTest,
    testing::Values(
        ConversionCase{"Empty", "", ""},
        ConversionCase{"Ascii", "plain text", "plain text"},
        ConversionCase{"LineBreaksKept", "a\r\nb\rc\nd", "a\r\nb\rc\nd"},
        ConversionCase{"NulKept", std::string("a\0b", 3), std::string("a\0b", 3)},
        ConversionCase{"EAcute", "caf\xC3\xA9", "caf\xE9"},
        ConversionCase{"Euro", "\xE2\x82\xAC", "\x80"},
        ConversionCase{"Latin1Top", "\xC3\xBF\xC2\xA0", "\xFF\xA0"},
        ConversionCase{"Punctuation", "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x93 \xE2\x84\xA2",
                       "\x93q\x94 \x96 \x99"},
        ConversionCase{"UndefinedBytesRoundTrip", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
                       "\x81\x8D\x8F\x90\x9D"},
        ConversionCase{"LackingCharacterIsQuestionMark", "\xCE\xA9 \xF0\x9F\x98\x80 \xC2\x80",
                       "? ? ?"},
        ConversionCase{"ByteOrderMarkDropped", "\xEF\xBB\xBFhi", "hi"},
        ConversionCase{"OnlyTheLeadingMarkDropped", "a\xEF\xBB\xBF", "a?"},
        // Not UTF-8: taken as Windows-1252 already, byte for byte.
        ConversionCase{"LegacyAccentsKept", "caf\xE9 \x80", "caf\xE9 \x80"},
        ConversionCase{"LegacyAfterByteOrderMark", "\xEF\xBB\xBF\xE9t\xE9", "\xE9t\xE9"},
        ConversionCase{"OneBadByteKeepsAllBytes", "\xC3\xA9 \xFF", "\xC3\xA9 \xFF"},
        ConversionCase{"OverlongIsNotUtf8", "\xC0\xAF", "\xC0\xAF"},
        ConversionCase{"SurrogateIsNotUtf8", "\xED\xA0\x80", "\xED\xA0\x80"},
        ConversionCase{"BeyondUnicodeIsNotUtf8", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
        ConversionCase{"CutSequenceIsNotUtf8", "ab\xE2\x82", "ab\xE2\x82"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FileTextConversionTest, AppendsAfterWhatIsThere)
{
    std::string out = "head";
    appendFileTextAsWindows1252(out, "\xC3\xA9");
    appendFileTextAsWindows1252(out, "\xE9\xFF");
    EXPECT_EQ(out, "head\xE9\xE9\xFF");
}

TEST(ExactConversionTest, GivesNothingWhenACharacterIsLacking)
{
    EXPECT_EQ(toWindows1252Exactly("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(toWindows1252Exactly(""), "");
    EXPECT_EQ(toWindows1252Exactly("\xCE\xA9"), std::nullopt);
    EXPECT_EQ(toWindows1252Exactly("\xE9"), std::nullopt);
}

} // namespace
