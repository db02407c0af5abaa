// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quantora {

// Writes a double with at most 15 significant digits: trailing zeros and a bare
// decimal point dropped, no thousands separators, and the exponent form
// ("1E-07", "7.233E-05", "1.8E+20") below 1E-4 and from 1E+15 up.
// Negative zero is written "0". Not meant for infinities or NaN.
std::string factorText(double value);

// Writes a double with the fewest significant digits that read back as the
// same double, in factorText's form otherwise ("6894.757293168361", "1E-10").
std::string shortestText(double value);

// Reads a text written by factorText back as a double (locale-independent).
// Returns 0 for text that is not a number.
double readFactorText(std::string_view text);

} // namespace quantora
