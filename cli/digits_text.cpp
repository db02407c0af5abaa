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
        dropTrailingZeros(text);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
        return text;
    }

    // Plain digits: move the decimal point by the exponent.
    const bool negative = text.front() == '-';
    std::string significant;
    for (const char c : text)
        if (c >= '0' && c <= '9')
            significant += c;
    std::string plain;
    if (exponent < 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (significant.size() <= integerDigits)
            plain = significant + std::string(integerDigits - significant.size(), '0');
        else
            plain = significant.substr(0, integerDigits) + "." + significant.substr(integerDigits);
    }
    dropTrailingZeros(plain);
    return negative ? "-" + plain : plain;
}

} // namespace quantora
