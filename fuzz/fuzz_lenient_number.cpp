// SPDX-License-Identifier: MIT
// Fuzzes the value box's lenient reading of typed text. Beyond "no crash", it
// checks properties that hold for every text:
//  - the result is never NaN;
//  - a comma ends the number, so anything after a "," changes nothing;
//  - a "-" in front of a text that starts with a digit or "." negates the value;
//  - a text made only of digits, ".", "e", "E", "+" and "-" reads exactly as the
//    C library's strtod reads it (same grammar, correctly rounded, overflow to
//    an infinity and underflow to zero of the right sign);
//  - "&H"/"&O" with up to 13 hexadecimal or 17 octal digits gives that integer.
#include "fuzz_support.h"
#include "lenient_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

using quantora::readLenientNumber;
using quantora::fuzz::require;

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

std::string withoutBlanks(std::string_view text)
{
    std::string compact;
    for (const char c : text)
        if (!isBlank(c))
            compact.push_back(c);
    return compact;
}

void checkAgainstStrtod(std::string_view text, double value)
{
    const std::string compact = withoutBlanks(text);
    if (compact.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return;
    const double expected = std::strtod(compact.c_str(), nullptr);
    require(sameValue(value, expected), "reads as strtod does", text);
}

void checkRadixPrefix(std::string_view text, double value)
{
    const std::string compact = withoutBlanks(text);
    if (compact.size() < 2 || compact[0] != '&')
        return;
    const char kind = compact[1];
    const bool hex = kind == 'H' || kind == 'h';
    if (!hex && kind != 'O' && kind != 'o')
        return;
    const std::string digits = compact.substr(2);
    const std::size_t run = digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "01234567");
    const std::size_t length = run == std::string::npos ? digits.size() : run;
    if (length > (hex ? 13U : 17U)) // beyond 52 bits the double rounds
        return;
    const double expected =
        length == 0 ? 0.0 : static_cast<double>(std::strtoull(digits.substr(0, length).c_str(), nullptr, hex ? 16 : 8));
    require(value == expected, "reads the &H/&O integer", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = quantora::fuzz::textOf(data, size);
    const double value = readLenientNumber(text);
    require(!std::isnan(value), "never NaN", text);

    require(sameValue(readLenientNumber(std::string(text) + ",9"), value), "a comma ends the number", text);

    const auto first = text.find_first_not_of(" \t\n");
    if (first != std::string_view::npos && ((text[first] >= '0' && text[first] <= '9') || text[first] == '.'))
        require(readLenientNumber("-" + std::string(text)) == -value, "a leading minus negates", text);

    checkAgainstStrtod(text, value);
    checkRadixPrefix(text, value);
    return 0;
}
