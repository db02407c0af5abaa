// SPDX-License-Identifier: MIT
// Fuzzes the factor text rule over every double (the first eight input bytes
// are its bits). For a finite value:
//  - the text reads back as the value rounded to 15 significant digits, i.e. as
//    strtod reads printf("%.14e") of it (infinity where that rounding leaves
//    the range);
//  - it is what printf("%.15G") writes (at most 15 significant digits, trailing
//    zeros dropped, exponent form below 1E-4 and from 1E+15 on), except that
//    zero of either sign is "0" and an exact tie at the 16th digit may round
//    either way;
//  - it is never "-0".
// The whole input is also read as a factor text, which must not crash.
#include "factor_text.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using quantora::factorText;
using quantora::readFactorText;
using quantora::fuzz::require;

namespace {

void checkAgainstPrintf(double value, const std::string &text)
{
    char general[64];
    std::snprintf(general, sizeof general, "%.15G", value);
    if (text == general)
        return;
    // 767 significant digits make any double's expansion exact.
    static char exact[1000];
    std::snprintf(exact, sizeof exact, "%.800e", value);
    const char *digits = exact[0] == '-' ? exact + 1 : exact;
    require(quantora::fuzz::isExactTie(digits + 16), "written as printf(\"%.15G\")", text + " vs " + general);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)readFactorText(quantora::fuzz::textOf(data, size));

    const double value = quantora::fuzz::doubleFromBytes(data, size);
    if (!std::isfinite(value))
        return 0; // factor texts are never written for these
    const std::string text = factorText(value);
    require(text != "-0", "never -0", text);
    if (value == 0) {
        require(text == "0", "zero is 0", text);
        return 0;
    }
    checkAgainstPrintf(value, text);

    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    const double expected = std::strtod(rounded, nullptr);
    require(readFactorText(text) == expected, "reads back as the value rounded to 15 digits", text + " vs " + rounded);
    return 0;
}
