// SPDX-License-Identifier: MIT
#include "lenient_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quantora {

namespace {

bool isIgnoredBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// "&H1F" and "&O17": the digits that follow, as far as they go.
double readRadixInteger(std::string_view digits, int radix)
{
    double value = 0.0;
    for (const char c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

// The length of the longest prefix of s that forms a decimal number, 0 if none.
std::size_t numberLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (i < s.size() && isDigit(s[i])) {
            while (i < s.size() && isDigit(s[i]))
                ++i;
            end = i;
        }
    }
    return end;
}

// from_chars reports a value beyond the range of a double without giving one;
// tell overflow from underflow by the position of the first significant digit.
double outOfRangeValue(std::string_view number)
{
    const bool negative = number.front() == '-';
    long long magnitude = 0; // decimal exponent of the first significant digit, roughly
    bool seenPoint = false;
    bool seenSignificant = false;
    long long exponent = 0;
    std::size_t i = (number.front() == '+' || number.front() == '-') ? 1 : 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            seenPoint = true;
        } else if (!seenSignificant && number[i] == '0') {
            if (seenPoint)
                --magnitude;
        } else {
            seenSignificant = true;
            if (!seenPoint)
                ++magnitude;
        }
    }
    if (i < number.size()) {
        ++i;
        const bool negativeExponent = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    const double huge = std::numeric_limits<double>::infinity();
    if (magnitude + exponent > 0)
        return negative ? -huge : huge;
    return negative ? -0.0 : 0.0;
}

} // namespace

double readLenientNumber(std::string_view text, std::string_view localSeparator)
{
    std::string compact;
    compact.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!localSeparator.empty() && localSeparator != "." && text.substr(i).starts_with(localSeparator)) {
            compact.push_back('.');
            i += localSeparator.size() - 1;
        } else if (!isIgnoredBlank(text[i])) {
            compact.push_back(text[i]);
        }
    }

    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadixInteger(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadixInteger(s.substr(2), 8);
    }

    const std::string_view number = s.substr(0, numberLength(s));
    if (number.empty())
        return 0.0;
    // from_chars takes no leading "+".
    const std::string_view unsignedPart = number.front() == '+' ? number.substr(1) : number;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
    if (ec == std::errc::result_out_of_range)
        return outOfRangeValue(number);
    return value;
}

} // namespace quantora
