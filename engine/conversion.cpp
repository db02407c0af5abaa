// SPDX-License-Identifier: MIT
#include "conversion.h"

#include "factor_text.h"
#include "lenient_number.h"
#include "result_text.h"

namespace quantora {

double convertByRatio(double value, double fromFactor, double toFactor)
{
    // Multiplying first, then dividing, keeps "1 in → cm" at exactly 2.54.
    const double product = value * fromFactor;
    return product / toFactor;
}

std::string ratioResultText(std::string_view typed, std::string_view fromFactorText, std::string_view toFactorText,
                            std::string_view decimalSeparator)
{
    const double result =
        convertByRatio(readLenientNumber(typed), readFactorText(fromFactorText), readFactorText(toFactorText));
    return formatResult(result, decimalSeparator);
}

// Each formula is one double operation per step, in the order written, so that
// e.g. 0 °C in °R gives 491.67 and 1 °R in °R gives 0.999999999999977.
double toCelsius(int position, double value)
{
    switch (position) {
    case 0:
        return value;
    case 1:
        return ((value - 32) * 5) / 9;
    case 2:
        return value - 273.15;
    default:
        return (value / 1.8) - 273.15;
    }
}

double fromCelsius(int position, double celsius)
{
    switch (position) {
    case 0:
        return celsius;
    case 1:
        return ((celsius * 9) / 5) + 32;
    case 2:
        return celsius + 273.15;
    default:
        return (celsius + 273.15) * 1.8;
    }
}

std::string temperatureResultText(std::string_view typed, int fromPosition, int toPosition,
                                  std::string_view decimalSeparator)
{
    const double celsius = toCelsius(fromPosition, readLenientNumber(typed));
    return formatTemperatureResult(fromCelsius(toPosition, celsius), decimalSeparator);
}

} // namespace quantora
