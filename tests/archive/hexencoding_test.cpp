// SPDX-License-Identifier: MIT
#include "hexencoding.h"

#include <gtest/gtest.h>

#include <stdexcept>

using notepack::hex2str;
using notepack::int2hexstr;

namespace {

struct HexCase {
    const char *hexText;
    std::string bytes;
};

class Hex2StrTest : public testing::TestWithParam<HexCase> {};

TEST_P(Hex2StrTest, GivesTheBytesInTheOrderWritten)
{
    EXPECT_EQ(hex2str(GetParam().hexText), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Hex2StrTest,
    testing::Values(HexCase{"", ""}, HexCase{"0001504D", std::string("\x00\x01\x50\x4D", 4)},
                    HexCase{"FF", "\xFF"}, HexCase{"ff", "\xFF"},
                    HexCase{"010001000100050006000100",
                            std::string("\x01\x00\x01\x00\x01\x00\x05\x00\x06\x00\x01\x00", 12)},
                    // A lone last digit is read by itself.
                    HexCase{"ABC", "\xAB\x0C"}));

TEST(Hex2StrTest, RefusesWhatIsNotHex)
{
    EXPECT_THROW(hex2str("0G"), std::invalid_argument);
}

struct IntCase {
    std::int32_t value;
    std::int32_t width;
    const char *hexText;
};

class Int2HexStrTest : public testing::TestWithParam<IntCase> {};

TEST_P(Int2HexStrTest, RendersLittleEndianOfTheWidth)
{
    EXPECT_EQ(int2hexstr(GetParam().value, GetParam().width), GetParam().hexText);
}

INSTANTIATE_TEST_SUITE_P(Cases, Int2HexStrTest,
                         testing::Values(IntCase{0, 2, "0000"}, IntCase{0, 4, "00000000"},
                                         IntCase{200, 2, "C800"}, IntCase{12, 4, "0C000000"},
                                         IntCase{255, 2, "FF00"}, IntCase{256, 2, "0001"},
                                         IntCase{65535, 2, "FFFF"}, IntCase{6, 4, "06000000"},
                                         IntCase{0x7FFFFFFF, 4, "FFFFFF7F"},
                                         // Too big for the width: not cut.
                                         IntCase{0x12345, 2, "452301"}));

TEST(Int2HexStrTest, FeedsHex2StrWithTheBytesOfTheValue)
{
    EXPECT_EQ(hex2str(int2hexstr(6, 4)), std::string("\x06\x00\x00\x00", 4));
    EXPECT_EQ(hex2str(int2hexstr(300, 2)), "\x2C\x01");
}

TEST(Int2HexStrTest, RefusesNegativeValues)
{
    EXPECT_THROW(int2hexstr(-1, 2), std::invalid_argument);
}

} // namespace
