// SPDX-License-Identifier: MIT
// Fuzzes the result pattern "0.##########" over every double: the first eight
// input bytes are the value's bits, the rest (if any) a decimal separator.
// Properties:
//  - a non-finite value shows exactly "Out of range";
//  - otherwise the text is an optional "-", the integer digits (no leading
//    zero), the point, at most ten decimals and no trailing zero; never "-0.";
//  - read back with strtod it lies within half a unit of the tenth decimal of
//    the value, plus the double's own spacing;
//  - when the shortest digits that read back as the value have at most ten
//    decimals, the text is those digits: it reads back as the value itself, so
//    no digit comes from the double's binary expansion alone;
//  - another separator replaces the point and changes nothing else.
#include "fuzz_support.h"
#include "result_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using quantora::formatResult;
using quantora::fuzz::require;

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void checkShape(const std::string &text)
{
    require(text != "-0.", "never -0.", text);
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::size_t integerDigits = i - integerStart;
    require(integerDigits >= 1, "at least one integer digit", text);
    require(integerDigits == 1 || text[integerStart] != '0', "no leading zero", text);
    require(i < text.size() && text[i] == '.', "the point is always written", text);
    const std::size_t fractionStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    require(i == text.size(), "nothing after the decimals", text);
    require(i - fractionStart <= 10, "at most ten decimals", text);
    require(i == fractionStart || text.back() != '0', "no trailing zero", text);
}

// The number of decimals of the shortest "%.*e" digits that read back as value.
int shortestDecimals(double value)
{
    char digits[64];
    for (int precision = 0; precision < 17; ++precision) {
        std::snprintf(digits, sizeof digits, "%.*e", precision, value);
        if (std::strtod(digits, nullptr) == value)
            return precision - std::atoi(std::strchr(digits, 'e') + 1);
    }
    return 17 - std::atoi(std::strchr(digits, 'e') + 1);
}

void checkReadBack(double value, const std::string &text)
{
    const long double back = std::strtod(text.c_str(), nullptr);
    const long double magnitude = std::fabs(value);
    const long double spacing = std::nextafter(std::fabs(value), INFINITY) - magnitude;
    const long double bound = (0.5e-10L + spacing) * (1 + 1e-15L);
    require(std::fabs(back - static_cast<long double>(value)) <= bound, "reads back within half a unit", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const double value = quantora::fuzz::doubleFromBytes(data, size);
    const std::string text = formatResult(value);
    if (!std::isfinite(value)) {
        require(text == quantora::outOfRangeText, "Out of range for NaN and infinities", text);
        return 0;
    }
    checkShape(text);
    checkReadBack(value, text);
    if (value != 0 && shortestDecimals(value) <= 10)
        require(std::strtod(text.c_str(), nullptr) == value, "the shortest digits read back as the value", text);

    if (size > 8) {
        const std::string_view separator = quantora::fuzz::textOf(data + 8, size - 8);
        std::string expected = text;
        expected.replace(expected.find('.'), 1, separator);
        require(formatResult(value, separator) == expected, "the separator replaces the point", expected);
    }
    return 0;
}
