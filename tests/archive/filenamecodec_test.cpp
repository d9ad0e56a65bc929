// SPDX-License-Identifier: MIT
#include "filenamecodec.h"

#include <gtest/gtest.h>

using namespace notepack;

namespace {

struct NameCase {
    const char *name;
    std::string bytes;
    std::u16string text;
};

class FileNameCodecTest : public testing::TestWithParam<NameCase> {};

TEST_P(FileNameCodecTest, DecodesAndGivesTheBytesBack)
{
    EXPECT_EQ(decodeFileName(GetParam().bytes), GetParam().text);
    EXPECT_EQ(encodeFileName(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileNameCodecTest,
    testing::Values(NameCase{"Ascii", "notes.txt", u"notes.txt"},
                    NameCase{"Utf8", "caf\xC3\xA9 \xE2\x82\xAC", u"caf\u00E9 \u20AC"},
                    NameCase{"BeyondTheBasicPlane", "\xF0\x9F\x93\x9D", u"\U0001F4DD"},
                    NameCase{"Windows1252Byte", "caf\xE9.txt", u"caf\xDCE9.txt"},
                    NameCase{"CutSequence", "a\xE2\x82", u"a\xDCE2\xDC82"},
                    NameCase{"EncodedSurrogate", "\xED\xB3\xA9", u"\xDCED\xDCB3\xDCA9"},
                    NameCase{"Overlong", "\xC0\xAF", u"\xDCC0\xDCAF"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FileNameCodecTest, EveryTwoByteNameSurvivesTheRoundTrip)
{
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes = {static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(encodeFileName(decodeFileName(bytes)), bytes) << first << ' ' << second;
        }
    }
}

TEST(FileNameCodecTest, LoneSurrogatesThatNoNameGivesBecomeQuestionMarks)
{
    EXPECT_EQ(encodeFileName(u"a\xD800" u"b\xDC10"), "a?b?");
}

} // namespace
