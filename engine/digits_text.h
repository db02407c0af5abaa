// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quantora {

// The fewest and most significant digits a result can be written with
// (the command line's --digits).
inline constexpr int minDigits = 1;
inline constexpr int maxDigits = 17;

// A value rounded to `digits` significant digits (minDigits to maxDigits) and
// written as factor texts are: trailing zeros and a bare decimal point dropped,
// plain digits from 1E-4 up to below 1E+15 ("120000", "0.00025"), the exponent
// form outside ("1E-13", "1.5E+20"). Zero, also -0, is "0"; a value that is not
// finite gives "Out of range", as the result label does.
std::string significantDigitsText(double value, int digits);

} // namespace quantora
