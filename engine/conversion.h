// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <string>
#include <string_view>

namespace quantora {

// value × fromFactor ÷ toFactor, the multiplication first. Infinite or NaN when
// the value, the product or the quotient lies outside the range of a double.
double convertByRatio(double value, double fromFactor, double toFactor);

// A value on a temperature scale in degrees Celsius, and back.
double toCelsius(TemperatureScale scale, double value);
double fromCelsius(TemperatureScale scale, double celsius);

// How a conversion writes its result.
struct ResultForm {
    // The user's decimal separator: read in the typed text besides ".", and
    // written in the result. The significant-digits form always writes ".".
    std::string_view decimalSeparator = ".";
    // 0: as the conversion screen shows it; otherwise that many significant
    // digits (minDigits to maxDigits), as significantDigitsText writes them.
    int significantDigits = 0;
    // The factors a ratio conversion multiplies and divides by.
    FactorSet factors = FactorSet::Table;
};

struct ConversionResult {
    double value;     // infinite or NaN when out of range
    std::string text; // what the result label, or the command line, shows
};

// A typed value converted from one unit of a quantity to another, the one way
// the conversion screen and the command line convert. The text is read
// leniently. A unit converted to itself (the same entry, or the same
// temperature scale) gives the value unchanged. Two units with temperature
// scales convert through Celsius by their scales, and the result is written by
// the factor text rule; any other two convert as value × factor(from) ÷
// factor(to), with the factors of form.factors (the table's read back from
// their texts, or the exact ones), and the result is written by the pattern
// "0.##########". Either way a result outside the range of a double is
// "Out of range".
ConversionResult conversionResult(std::string_view typed, const UnitEntry &from, const UnitEntry &to,
                                  const ResultForm &form = {});

} // namespace quantora
