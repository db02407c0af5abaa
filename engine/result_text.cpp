// SPDX-License-Identifier: MIT
#include "result_text.h"

#include "factor_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quantora {

namespace {

std::string withSeparator(std::string text, std::string_view decimalSeparator)
{
    if (decimalSeparator != ".")
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, decimalSeparator);
    return text;
}

// Rounds a plain decimal "ddd.ddd" to ten decimals, half away from zero, and
// drops the fraction's trailing zeros; the point stays.
std::string roundToTenDecimals(std::string plain)
{
    constexpr std::size_t decimals = 10;
    const std::size_t point = plain.find('.');
    if (plain.size() > point + 1 + decimals) {
        const bool roundUp = plain[point + 1 + decimals] >= '5';
        plain.resize(point + 1 + decimals);
        if (roundUp) {
            std::size_t i = plain.size();
            while (i-- > 0) {
                if (plain[i] == '.')
                    continue;
                if (plain[i] != '9') {
                    ++plain[i];
                    break;
                }
                plain[i] = '0';
            }
            // 9.99… carried past the first digit. (A char: inserting "1" trips GCC 12's false -Wrestrict.)
            if (i == std::string::npos)
                plain.insert(plain.begin(), '1');
        }
    }
    while (plain.back() == '0')
        plain.pop_back();
    return plain;
}

} // namespace

std::optional<std::string> plainDecimal(std::string_view scientific)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto e = scientific.find('e');
    if (e == std::string_view::npos)
        return std::nullopt;

    // The mantissa: one digit, then optionally the point and more digits.
    const std::string_view mantissa = scientific.substr(0, e);
    if (mantissa.empty() || !isDigit(mantissa[0]))
        return std::nullopt;
    if (mantissa.size() > 1 &&
        (mantissa[1] != '.' || mantissa.size() == 2 || !std::all_of(mantissa.begin() + 2, mantissa.end(), isDigit)))
        return std::nullopt;
    std::string digits(1, mantissa[0]);
    if (mantissa.size() > 2)
        digits += mantissa.substr(2);
    // The exponent: an optional sign and one to three digits.
    std::string_view exponentText = scientific.substr(e + 1);
    const bool negative = !exponentText.empty() && exponentText.front() == '-';
    if (!exponentText.empty() && (exponentText.front() == '+' || negative))
        exponentText.remove_prefix(1);
    if (exponentText.empty() || exponentText.size() > 3 ||
        !std::all_of(exponentText.begin(), exponentText.end(), isDigit))
        return std::nullopt;
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (negative)
        exponent = -exponent;

    // digits stands for 0.digits × 10^(exponent + 1).
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0)
        return "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    const auto split = static_cast<std::size_t>(integerDigits);
    if (digits.size() <= split)
        return digits + std::string(split - digits.size(), '0') + ".";
    return digits.substr(0, split) + "." + digits.substr(split);
}

std::string formatResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);
    // The shortest digits that read back as the same double, so the digits beyond
    // what the double holds (the noise of its binary expansion) never show.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific).ptr;
    // to_chars writes the scientific form, which plainDecimal always reads.
    std::string text = roundToTenDecimals(plainDecimal({buffer, static_cast<std::size_t>(end - buffer)}).value());
    if (value < 0 && text != "0.")
        text.insert(text.begin(), '-');
    return withSeparator(std::move(text), decimalSeparator);
}

std::string formatFullResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    return withSeparator(factorText(value), decimalSeparator);
}

std::string formatTemperatureResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);
    return withSeparator(factorText(value), decimalSeparator);
}

} // namespace quantora
