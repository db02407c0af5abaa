// SPDX-License-Identifier: MIT
#include "digits_text.h"

#include "result_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace quantora {

namespace {

// Factor texts switch to the exponent form outside this range of decimal exponents.
constexpr int lowestPlainExponent = -4;
constexpr int highestPlainExponent = 14;

void dropTrailingZeros(std::string &text)
{
    if (text.find('.') == std::string::npos)
        return;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
}

} // namespace

std::string significantDigitsText(double value, int digits)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);
    if (value == 0.0)
        return "0";

    // Rounding in scientific form gives the digits and the exponent of the rounded
    // value, so 9.99 to two digits is 10 (exponent 1), not 9.9.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), end, exponent);
    std::string text(scientific.substr(0, e));

    if (exponent < lowestPlainExponent || exponent > highestPlainExponent) {
        // to_chars writes the exponent as factor texts do: a sign and at least two digits.
        dropTrailingZeros(text);
        return text + 'E' + std::string(scientific.substr(e + 1));
    }

    // Plain digits: the point moved by the exponent.
    const bool negative = text.front() == '-';
    std::string plain = plainDecimal(scientific.substr(negative ? 1 : 0)).value(); // to_chars's form
    dropTrailingZeros(plain);
    return negative ? "-" + plain : plain;
}

} // namespace quantora
