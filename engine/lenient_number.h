// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quantora {

// Reads typed text the forgiving way the value box needs: blanks, tabs and line
// feeds are ignored wherever they stand; then the longest leading number is read
// (sign, digits with at most one ".", an exponent "E"/"e" with optional sign);
// the rest is ignored. "&H" and "&O" read a non-negative hexadecimal or octal
// integer. Text with no leading number reads as 0. "." is a decimal point
// whatever the locale; a localSeparator other than "." (the "," of the
// user's locale) is one too, so that the program reads back its own results.
// Either way a number has at most one. A number beyond the range of a double
// reads as an infinity of its sign; one too small to represent reads as 0.
double readLenientNumber(std::string_view text, std::string_view localSeparator = ".");

} // namespace quantora
