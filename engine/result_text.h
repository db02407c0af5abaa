// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// What the result label shows when the typed value, or a step of the
// conversion, lies outside the range of a double.
inline constexpr std::string_view outOfRangeText = "Out of range";

// The result pattern "0.##########": at least one integer digit, the decimal
// separator always written, up to ten decimals with trailing zeros dropped
// ("1.", "0.3937007874", "-500."). The digits are the shortest that read back
// as the same double, rounded to ten decimals half away from zero, so no digit
// comes from the double's binary expansion alone. A result that rounds to zero
// shows "0.", never "-0.". A non-finite value gives outOfRangeText.
std::string formatResult(double value, std::string_view decimalSeparator = ".");

// A non-negative number in the scientific form std::to_chars writes, as a
// plain decimal with the same digits and the point always written:
// "3.937e+01" is "39.37", "1e+03" is "1000.", "1.2e-04" is "0.00012".
// Nothing for any other text: the form is one digit, optionally the point and
// more digits, then "e", an optional sign and one to three exponent digits.
std::optional<std::string> plainDecimal(std::string_view scientific);

// The result to 15 significant digits as factor texts are written ("1E-13"),
// which shows what the pattern rounds away. Empty for a non-finite value.
std::string formatFullResult(double value, std::string_view decimalSeparator = ".");

// A temperature result: the factor text rule (up to 15 significant digits,
// exponent form at the extremes) with the given decimal separator.
// A non-finite value gives outOfRangeText.
std::string formatTemperatureResult(double value, std::string_view decimalSeparator = ".");

} // namespace quantora
