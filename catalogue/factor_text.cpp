// SPDX-License-Identifier: MIT
#include "factor_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quantora {

std::string factorText(double value)
{
    if (value == 0.0)
        return "0"; // also for -0: a factor or temperature is never shown as "-0"

    // The shortest form of "%.15G": 15 significant digits, trailing zeros gone,
    // exponent form when the decimal exponent is below -4 or at least 15.
    std::array<char, 32> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    if (ec != std::errc{})
        return {};
    std::string text(buffer.data(), end);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

double readFactorText(std::string_view text)
{
    double value = 0.0;
    const char *first = text.data();
    const char *last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    std::from_chars(first, last, value);
    return value;
}

} // namespace quantora
