// SPDX-License-Identifier: MIT
#include "conversion.h"
#include "lenient_number.h"
#include "result_text.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace quantora {
namespace {

// ---- lenient reading -------------------------------------------------------

struct ReadingCase {
    const char *what;
    const char *text;
    double value;
};

class LenientReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(LenientReading, ReadsTheLongestLeadingNumber)
{
    EXPECT_EQ(readLenientNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LenientReading, testing::Values(
    ReadingCase{"plain integer",                 "12",         12},
    ReadingCase{"blank between digits",          "1 000",      1000},
    ReadingCase{"tab and line feed anywhere",    "\t1\n0 ",    10},
    ReadingCase{"blank after the sign",          "- 5",        -5},
    ReadingCase{"trailing letters ignored",      "12abc",      12},
    ReadingCase{"comma ends the number",         "2,5",        2},
    ReadingCase{"currency sign ends the number", "3$",         3},
    ReadingCase{"exponent",                      "1e3",        1000},
    ReadingCase{"upper-case exponent with sign", "2.5E-2",     0.025},
    ReadingCase{"incomplete exponent ignored",   "7e",         7},
    ReadingCase{"exponent sign without digits",  "7e+",        7},
    ReadingCase{"leading decimal point",         ".5",         0.5},
    ReadingCase{"trailing decimal point",        "5.",         5},
    ReadingCase{"second decimal point ends it",  "1.2.3",      1.2},
    ReadingCase{"explicit plus",                 "+4",         4},
    ReadingCase{"negative",                      "-5",         -5},
    ReadingCase{"hexadecimal",                   "&H1F",       31},
    ReadingCase{"hexadecimal lower case",        "&hff",       255},
    ReadingCase{"octal",                         "&O17",       15},
    ReadingCase{"octal stops at 8",              "&O78",       7},
    ReadingCase{"prefix without digits",         "&H",         0},
    ReadingCase{"empty",                         "",           0},
    ReadingCase{"only blanks",                   "  \t ",      0},
    ReadingCase{"letters",                       "abc",        0},
    ReadingCase{"sign only",                     "-",          0},
    ReadingCase{"point only",                    ".",          0},
    ReadingCase{"underflow reads as zero",       "1e-400",     0},
    ReadingCase{"many leading zeros",            "0000.00012", 0.00012}),
    byWhat);
// clang-format on

TEST(LenientReadingLocal, TheLocalDecimalCommaIsADecimalPointToo)
{
    EXPECT_EQ(readLenientNumber("2,5", ","), 2.5);
    EXPECT_EQ(readLenientNumber("2.5", ","), 2.5);
    EXPECT_EQ(readLenientNumber("-1 2,5e1", ","), -125);
    EXPECT_EQ(readLenientNumber("1,2,3", ","), 1.2); // still one decimal point
    EXPECT_EQ(readLenientNumber("1.2,3", ","), 1.2);
    EXPECT_EQ(readLenientNumber("&H1F,8", ","), 31);
    EXPECT_EQ(readLenientNumber("2٫5", "٫"), 2.5); // the Arabic decimal separator, two bytes
    EXPECT_EQ(readLenientNumber("2,5", "."), 2);
}

TEST(LenientReadingRange, ValuesBeyondADoubleReadAsInfinity)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(readLenientNumber("1e400"), inf);
    EXPECT_EQ(readLenientNumber("-1e400"), -inf);
    EXPECT_EQ(readLenientNumber(std::string(400, '9')), inf);
    EXPECT_EQ(readLenientNumber("0.000001e310"), 1e304);
    EXPECT_EQ(readLenientNumber("0.0001e99999999999999999999"), inf);
    EXPECT_EQ(readLenientNumber("&H" + std::string(300, 'F')), inf);
}

// ---- result pattern --------------------------------------------------------

struct PatternCase {
    const char *what;
    double value;
    const char *text;
};

class ResultPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(ResultPattern, WritesTenDecimalsAndAlwaysThePoint)
{
    EXPECT_EQ(formatResult(GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ResultPattern, testing::Values(
    PatternCase{"one",                         1,               "1."},
    PatternCase{"zero",                        0,               "0."},
    PatternCase{"negative zero",               -0.0,            "0."},
    PatternCase{"negative rounding to zero",   -1e-12,          "0."},
    PatternCase{"below 5E-11",                 4.9e-11,         "0."},
    PatternCase{"rounds up at tenth decimal",  6e-11,           "0.0000000001"},
    PatternCase{"two thirds",                  2.0 / 3,         "0.6666666667"},
    PatternCase{"one over 2.54",               1 / 2.54,        "0.3937007874"},
    PatternCase{"no trailing zeros",           2.54,            "2.54"},
    PatternCase{"negative whole",              -500,            "-500."},
    PatternCase{"no thousands separator",      1234567,         "1234567."},
    PatternCase{"large",                       1e20,            "100000000000000000000."},
    PatternCase{"huge without noise digits",   1e42,            "1000000000000000000000000000000000000000000."},
    PatternCase{"largest with a fraction",     1e15 + 0.5,      "1000000000000000.5"},
    PatternCase{"just below 1E+15",            999999999999999.25, "999999999999999.2"},
    PatternCase{"shortest digits of 1E+6/2.54", 1e8 / 2.54,     "39370078.74015748"},
    PatternCase{"rounding carries to the unit", 0.99999999996,  "1."},
    PatternCase{"carry adds an integer digit", 9.99999999995,   "10."},
    PatternCase{"half of the last decimal",    5e-11,           "0.0000000001"},
    PatternCase{"negative half rounds away",   -5e-11,          "-0.0000000001"},
    PatternCase{"infinity",                    std::numeric_limits<double>::infinity(), "Out of range"},
    PatternCase{"NaN",                         std::nan(""),    "Out of range"}),
    byWhat);
// clang-format on

TEST(ResultPatternSeparator, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(formatResult(2.54, ","), "2,54");
    EXPECT_EQ(formatResult(3, ","), "3,");
    EXPECT_EQ(formatTemperatureResult(-17.77777777777778, ","), "-17,7777777777778");
    EXPECT_EQ(formatTemperatureResult(1e20, ","), "1E+20");
}

TEST(FullResult, FifteenDigitsAsFactorTextsAreWritten)
{
    EXPECT_EQ(formatFullResult(1e-13), "1E-13");
    EXPECT_EQ(formatFullResult(1 / 2.54), "0.393700787401575");
    EXPECT_EQ(formatFullResult(0.000123456789, ","), "0,000123456789");
    EXPECT_EQ(formatFullResult(std::numeric_limits<double>::infinity()), "");
}

// ---- ratio conversion ------------------------------------------------------

struct RatioCase {
    const char *what;
    const char *typed;
    const char *from;
    const char *to;
    const char *result;
};

class RatioConversion : public testing::TestWithParam<RatioCase> {};

// A unit of a ratio quantity, known by its factor text.
UnitEntry byFactor(const char *factorText)
{
    return {.name = "", .factorText = factorText, .otherNames = {}};
}

TEST_P(RatioConversion, MultipliesThenDivides)
{
    EXPECT_EQ(conversionResult(GetParam().typed, byFactor(GetParam().from), byFactor(GetParam().to)).text,
              GetParam().result);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RatioConversion, testing::Values(
    RatioCase{"equal units",                  "1",     "1",        "1",        "1."},
    RatioCase{"empty text",                   "",      "1",        "2.54",     "0."},
    RatioCase{"text that is no number",       "abc",   "1",        "2.54",     "0."},
    RatioCase{"cm to in",                     "1",     "1",        "2.54",     "0.3937007874"},
    RatioCase{"in to cm",                     "1",     "2.54",     "1",        "2.54"},
    RatioCase{"mile to km",                   "1",     "160934.4", "100000",   "1.609344"},
    RatioCase{"negative m to cm",             "-5",    "100",      "1",        "-500."},
    RatioCase{"comma stops the number",       "2,5",   "1",        "1",        "2."},
    RatioCase{"blank between digits",         "1 0",   "1",        "1",        "10."},
    RatioCase{"exponent",                     "1e3",   "1",        "1",        "1000."},
    RatioCase{"same factor keeps decimals",   "2.5",   "10",       "10",       "2.5"},
    RatioCase{"Btu/lb mol to J/mol",          "1",     "2.32666356444858", "1", "2.3266635644"},
    RatioCase{"cal/g to J/g",                 "1",     "4.1839253587716",  "1", "4.1839253588"},
    RatioCase{"g/ml to kg/litre",             "1",     "999.972001", "999.9720001", "1.0000000009"},
    RatioCase{"erg to J",                     "1",     "1E-07",    "1",        "0.0000001"},
    RatioCase{"ml to mm3",                    "1",     "0.001",    "1E-06",    "1000."},
    RatioCase{"UK ton to kg",                 "1",     "1016050",  "1000",     "1016.05"},
    RatioCase{"1,000,000 m to in",            "1000000", "100",    "2.54",     "39370078.74015748"},
    RatioCase{"123456789 km to in",           "123456789", "100000", "2.54",   "4860503503937.008"},
    RatioCase{"typed value beyond a double",  "1e400", "1",        "1",        "Out of range"},
    RatioCase{"product beyond a double",      "1e308", "10000000000", "0.01",  "Out of range"},
    RatioCase{"quotient beyond a double",     "1e308", "1",        "1E-08",    "Out of range"}),
    byWhat);
// clang-format on

// ---- temperature conversion ------------------------------------------------

struct TemperatureCase {
    const char *what;
    const char *typed;
    TemperatureScale from;
    TemperatureScale to;
    const char *result;
};

// A unit of Temperature, known by its scale; its factor text is never read.
UnitEntry onScale(TemperatureScale scale)
{
    return {.name = "", .factorText = "1", .otherNames = {}, .scale = scale};
}

class TemperatureConversion : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureConversion, PassesThroughCelsius)
{
    EXPECT_EQ(conversionResult(GetParam().typed, onScale(GetParam().from), onScale(GetParam().to)).text,
              GetParam().result);
}

constexpr auto C = TemperatureScale::Celsius, F = TemperatureScale::Fahrenheit, K = TemperatureScale::Kelvin,
               R = TemperatureScale::Rankine;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TemperatureConversion, testing::Values(
    TemperatureCase{"opening value",             "1",     C, C, "1"},
    TemperatureCase{"boiling C to F",            "100",   C, F, "212"},
    TemperatureCase{"freezing F to C",           "32",    F, C, "0"},
    TemperatureCase{"minus forty F to C",        "-40",   F, C, "-40"},
    TemperatureCase{"minus forty C to F",        "-40",   C, F, "-40"},
    TemperatureCase{"zero F to C",               "0",     F, C, "-17.7777777777778"},
    TemperatureCase{"zero C to K",               "0",     C, K, "273.15"},
    TemperatureCase{"zero K to C",               "0",     K, C, "-273.15"},
    TemperatureCase{"boiling F to K",            "212",   F, K, "373.15"},
    TemperatureCase{"zero C to R",               "0",     C, R, "491.67"},
    TemperatureCase{"R to R is the value itself", "1",    R, R, "1"},
    TemperatureCase{"K to K",                    "1",     K, K, "1"},
    TemperatureCase{"F to F",                    "1",     F, F, "1"},
    TemperatureCase{"empty text C to F",         "",      C, F, "32"},
    TemperatureCase{"below absolute zero",       "-500",  K, C, "-773.15"},
    TemperatureCase{"exponent form",             "1e20",  C, F, "1.8E+20"},
    TemperatureCase{"zero R to C",               "0",     R, C, "-273.15"},
    TemperatureCase{"typed value beyond range",  "1e400", C, C, "Out of range"},
    TemperatureCase{"intermediate beyond range", "1.7e308", F, R, "Out of range"}),
    byWhat);
// clang-format on

// ---- the one conversion: reading and writing forms ---------------------------

TEST(OneConversion, ReadsAndWritesTheGivenSeparatorAndDigits)
{
    const UnitEntry in = byFactor("2.54"), cm = byFactor("1");
    EXPECT_EQ(conversionResult("1,5", in, cm, {.decimalSeparator = ","}).text, "3,81");
    EXPECT_EQ(conversionResult("37,5", onScale(C), onScale(F), {.decimalSeparator = ","}).text, "99,5");
    // The significant-digits form, in both kinds of conversion.
    EXPECT_EQ(conversionResult("1", cm, in, {.significantDigits = 3}).text, "0.394");
    EXPECT_EQ(conversionResult("0", onScale(F), onScale(C), {.significantDigits = 4}).text, "-17.78");
    EXPECT_EQ(conversionResult("1e400", cm, in, {.significantDigits = 3}).text, "Out of range");
    // A temperature result is written by the factor text rule, a ratio one by the pattern.
    EXPECT_EQ(conversionResult("1", onScale(C), onScale(C)).text, "1");
    EXPECT_EQ(conversionResult("1", cm, cm).text, "1.");
    EXPECT_FALSE(std::isfinite(conversionResult("1e308", byFactor("1"), byFactor("1E-08")).value));
}

TEST(OneConversion, ConvertsThroughCelsiusOnlyBetweenTwoScales)
{
    // A unit without a scale converts by its factor, even next to one with a scale.
    UnitEntry celsiusTimesTwo = onScale(C);
    celsiusTimesTwo.factorText = "2";
    EXPECT_EQ(conversionResult("10", celsiusTimesTwo, byFactor("1")).text, "20.");
    EXPECT_EQ(conversionResult("10", byFactor("1"), celsiusTimesTwo).text, "5.");
}

// ---- plain decimal -----------------------------------------------------------

struct PlainCase {
    const char *what;
    const char *scientific;
    std::optional<std::string> plain;
};

class PlainDecimal : public testing::TestWithParam<PlainCase> {};

TEST_P(PlainDecimal, ReadsOnlyTheScientificForm)
{
    EXPECT_EQ(plainDecimal(GetParam().scientific), GetParam().plain) << GetParam().scientific;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PlainDecimal, testing::Values(
    PlainCase{"point moves right",         "3.937e+01", "39.37"},
    PlainCase{"zeros fill the integer",    "1e+03",     "1000."},
    PlainCase{"zeros lead the fraction",   "1.2e-04",   "0.00012"},
    PlainCase{"exponent zero",             "5e+00",     "5."},
    PlainCase{"three exponent digits",     "1e-300",    "0." + std::string(299, '0') + "1"},
    PlainCase{"no exponent",               "1234",      std::nullopt},
    PlainCase{"empty",                     "",          std::nullopt},
    PlainCase{"no mantissa",               "e+03",      std::nullopt},
    PlainCase{"exponent without digits",   "1e+",       std::nullopt},
    PlainCase{"two mantissa digits",       "12.3e+00",  std::nullopt},
    PlainCase{"point without digits",      "1.e+00",    std::nullopt},
    PlainCase{"second point",              "1.2.3e+01", std::nullopt},
    PlainCase{"negative",                  "-1e+00",    std::nullopt},
    PlainCase{"four exponent digits",      "1e+1000",   std::nullopt},
    PlainCase{"text after the exponent",   "1e+03x",    std::nullopt},
    PlainCase{"upper-case E",              "1E+03",     std::nullopt}),
    byWhat);
// clang-format on

} // namespace
} // namespace quantora
