// SPDX-License-Identifier: MIT
#include "factor_text.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quantora {
namespace {

struct FactorTextCase {
    const char *what;
    double value;
    const char *text;
};

class FactorText : public testing::TestWithParam<FactorTextCase> {};

TEST_P(FactorText, WritesAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(factorText(GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FactorText, testing::Values(
    FactorTextCase{"quotient rounded to 15 digits",   1 / 0.4298,                  "2.32666356444858"},
    FactorTextCase{"just below a whole number",       std::pow(10.0, 6) * 1.01605, "1016050"},
    FactorTextCase{"atm",                             std::pow(10.0, 6) * 1.013,   "1013000"},
    FactorTextCase{"fifteenth digit zero dropped",    1 / 0.23901,                 "4.1839253587716"},
    FactorTextCase{"power of ten",                    std::pow(10.0, 4),           "10000"},
    FactorTextCase{"tiny power of ten",               1 / std::pow(10.0, 8),       "1E-08"},
    FactorTextCase{"exponent form keeps 15 digits",   1000 / 453.5924 / (std::pow(10.0, 6) / std::pow(30.48, 3) * 3600),
                                                                                   "1.73410990131228E-05"},
    FactorTextCase{"just above a whole number",       std::pow(10.0, 5) * 1.0194,  "101940"},
    FactorTextCase{"negative",                        -17.77777777777778,          "-17.7777777777778"},
    FactorTextCase{"negative zero",                   -0.0,                        "0"},
    FactorTextCase{"zero",                            0.0,                         "0"},
    FactorTextCase{"lowest plain magnitude",          0.0001,                      "0.0001"},
    FactorTextCase{"just below 1E-4",                 0.00009999,                  "9.999E-05"},
    FactorTextCase{"constant with exponent",          7.233E-05,                   "7.233E-05"},
    FactorTextCase{"largest plain magnitude",         999999999999999.0,           "999999999999999"},
    FactorTextCase{"rounds up into exponent form",    999999999999999.9,           "1E+15"},
    FactorTextCase{"1E+15 takes the exponent form",   1e15,                        "1E+15"},
    FactorTextCase{"large temperature",               1.8e20,                      "1.8E+20"},
    FactorTextCase{"three-digit exponent",            1.5e-300,                    "1.5E-300"},
    FactorTextCase{"trailing zeros dropped",          2.5,                         "2.5"}),
    byWhat);
// clang-format on

TEST(FactorTextReadBack, GivesTheValueRoundedToFifteenDigits)
{
    EXPECT_EQ(readFactorText(factorText(std::pow(10.0, 6) * 1.013)), 1013000.0);
    EXPECT_EQ(readFactorText("1.73410990131228E-05"), 1.73410990131228E-05);
    EXPECT_EQ(readFactorText("2.32666356444858"), 2.32666356444858);
    EXPECT_EQ(readFactorText(""), 0.0);
}

TEST(FactorTextReadBack, BeyondTheRangeOfADoubleGivesTheNearestDouble)
{
    // The largest double rounds up to 15 digits past itself: infinity, not 0.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(readFactorText(factorText(largest)), HUGE_VAL);
    EXPECT_EQ(readFactorText(factorText(-largest)), -HUGE_VAL);
    EXPECT_EQ(readFactorText("1E+400"), HUGE_VAL);
    EXPECT_EQ(readFactorText("+1E+400"), HUGE_VAL);
    EXPECT_EQ(readFactorText("1E-400"), 0.0);
    EXPECT_TRUE(std::signbit(readFactorText("-1E-400")));
}

} // namespace
} // namespace quantora
