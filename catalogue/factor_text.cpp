// SPDX-License-Identifier: MIT
#include "factor_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quantora {

namespace {

std::string withCapitalE(std::string text)
{
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

} // namespace

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
    return withCapitalE(std::string(buffer.data(), end));
}

std::string shortestText(double value)
{
    if (value == 0.0)
        return "0";
    const double magnitude = std::fabs(value);
    const auto format =
        magnitude >= 1e-4 && magnitude < 1e15 ? std::chars_format::fixed : std::chars_format::scientific;
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    if (ec != std::errc{})
        return {};
    return withCapitalE(std::string(buffer.data(), end));
}

double readFactorText(std::string_view text)
{
    double value = 0.0;
    const char *first = text.data();
    const char *last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; what it stands for is the nearest
        // double: infinity past the largest one, zero below the smallest.
        const std::string_view number(first, static_cast<std::size_t>(end - first));
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        const double magnitude = tiny ? 0.0 : HUGE_VAL;
        value = number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

} // namespace quantora
