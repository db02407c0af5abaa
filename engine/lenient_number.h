// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quantora {

// Reads typed text the forgiving way the value box needs: blanks, tabs and line
// feeds are ignored wherever they stand; then the longest leading number is read
// (sign, digits with at most one ".", an exponent "E"/"e" with optional sign);
// the rest is ignored. "&H" and "&O" read a non-negative hexadecimal or octal
// integer. Text with no leading number reads as 0. "." is the only decimal
// separator, whatever the locale. A number beyond the range of a double reads
// as an infinity of its sign; one too small to represent reads as 0.
double readLenientNumber(std::string_view text);

} // namespace quantora
