// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quantora {

// value × fromFactor ÷ toFactor, the multiplication first. Infinite or NaN when
// the value, the product or the quotient lies outside the range of a double.
double convertByRatio(double value, double fromFactor, double toFactor);

// The result label's text in ratio mode: the typed text read leniently,
// converted with the factors read back from their texts, written by the
// result pattern (or "Out of range").
std::string ratioResultText(std::string_view typed, std::string_view fromFactorText, std::string_view toFactorText,
                            std::string_view decimalSeparator = ".");

// The temperature scales by their position in the Temperature unit list.
// Position 0 is °C, 1 °F, 2 K; any other position, 3 (°R) and also -1 when no
// unit is selected, takes the Rankine formula.
double toCelsius(int position, double value);
double fromCelsius(int position, double celsius);

// The result label's text in temperature mode: the typed text read leniently,
// converted through Celsius and written by the factor text rule (or "Out of range").
std::string temperatureResultText(std::string_view typed, int fromPosition, int toPosition,
                                  std::string_view decimalSeparator = ".");

} // namespace quantora
