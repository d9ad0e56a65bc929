// SPDX-License-Identifier: MIT
#include "naturalorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using notepack::naturalCompare;

namespace {

struct OrderCase {
    const char *before;
    const char *after;
};

class NaturalOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrderTest, PutsTheFirstBeforeTheSecond)
{
    EXPECT_LT(naturalCompare(GetParam().before, GetParam().after), 0);
    EXPECT_GT(naturalCompare(GetParam().after, GetParam().before), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, NaturalOrderTest,
                         testing::Values(OrderCase{"note 2", "note 10"}, OrderCase{"a.txt", "B.txt"},
                                         OrderCase{"b", "C"}, OrderCase{"file9", "file10"},
                                         OrderCase{"x", "x1"}, OrderCase{"a1b2", "a1b10"},
                                         OrderCase{"007", "8"},
                                         // Equal but for case or zeros: bytes decide.
                                         OrderCase{"A.txt", "a.txt"}, OrderCase{"01", "1"},
                                         OrderCase{"z", "\xC3\xA9"}));

TEST(NaturalOrderTest, EqualNamesCompareEqual)
{
    EXPECT_EQ(naturalCompare("same 12", "same 12"), 0);
    EXPECT_EQ(naturalCompare("", ""), 0);
}

TEST(NaturalOrderTest, SortsAListAsAFileManagerDoes)
{
    std::vector<std::string> names = {"Note 10.txt", "note 2.txt", "apple", "Banana", "note 1.txt"};
    std::ranges::sort(names, notepack::naturalLess);
    EXPECT_EQ(names, (std::vector<std::string>{"apple", "Banana", "note 1.txt", "note 2.txt",
                                               "Note 10.txt"}));
}

} // namespace
