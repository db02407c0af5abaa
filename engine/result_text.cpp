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

} // namespace

std::string formatResult(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return std::string(outOfRangeText);

    // Fixed notation needs up to 309 integer digits for the largest doubles.
    char buffer[400];
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
