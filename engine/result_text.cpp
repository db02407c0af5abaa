// SPDX-License-Identifier: MIT
#include "result_text.h"

#include "factor_text.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace quantora {

namespace {

std::string withSeparator(std::string text, std::string_view decimalSeparator)
{
    if (decimalSeparator != ".")
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, decimalSeparator);
    return text;
}

// From 1E+15 up a double has no meaningful tenth decimal, and its exact binary
// expansion would show noise digits (1E+42 as 1000000000000000044885712...).
// Such a result is written with the shortest digits that read back to the
// same double, padded with zeros to its magnitude: 1E+42 as 1 and 42 zeros.
std::string largeResult(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), end, exponent);

    std::string text;
    for (const char c : scientific.substr(0, e))
        if (c != '.')
            text += c;
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1 + (value < 0 ? 1 : 0);
    if (text.size() < integerDigits)
        text.append(integerDigits - text.size(), '0');
    else
        text.insert(integerDigits, ".");
    if (text.back() != '.' && text.find('.') == std::string::npos)
        text += '.';
    return text;
}

} // namespace

std::string formatResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);

    if (std::abs(value) >= 1e15)
        return withSeparator(largeResult(value), decimalSeparator);
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 10);
    if (ec != std::errc{})
        return std::string(outOfRangeText);
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    while (digits.back() == '0')
        digits.remove_suffix(1);
    std::string text(digits);
    if (text == "-0.")
        text = "0.";
    return withSeparator(std::move(text), decimalSeparator);
}

std::string formatTemperatureResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);
    return withSeparator(factorText(value), decimalSeparator);
}

} // namespace quantora
