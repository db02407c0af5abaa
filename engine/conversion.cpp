// SPDX-License-Identifier: MIT
#include "conversion.h"

#include "digits_text.h"
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

// Each formula is one double operation per step, in the order written, so that
// e.g. 0 °C in °R gives 491.67.
double toCelsius(TemperatureScale scale, double value)
{
    switch (scale) {
    case TemperatureScale::Celsius:
        return value;
    case TemperatureScale::Fahrenheit:
        return ((value - 32) * 5) / 9;
    case TemperatureScale::Kelvin:
        return value - 273.15;
    case TemperatureScale::Rankine:
        return (value / 1.8) - 273.15;
    }
    return value; // not reached: every scale has its case
}

double fromCelsius(TemperatureScale scale, double celsius)
{
    switch (scale) {
    case TemperatureScale::Celsius:
        return celsius;
    case TemperatureScale::Fahrenheit:
        return ((celsius * 9) / 5) + 32;
    case TemperatureScale::Kelvin:
        return celsius + 273.15;
    case TemperatureScale::Rankine:
        return (celsius + 273.15) * 1.8;
    }
    return celsius; // not reached: every scale has its case
}

namespace {

double factorOf(const UnitEntry &unit, FactorSet factors)
{
    return factors == FactorSet::Exact ? unit.exactFactor : readFactorText(unit.factorText);
}

} // namespace

ConversionResult conversionResult(std::string_view typed, const UnitEntry &from, const UnitEntry &to,
                                  const ResultForm &form)
{
    const double value = readLenientNumber(typed, form.decimalSeparator);
    const bool temperature = from.scale && to.scale;
    // A unit to itself is the value itself: a round trip through Celsius, or
    // a multiplication and division by one factor, could change its last digit.
    const bool sameUnit = &from == &to || (temperature && *from.scale == *to.scale);
    double result = value;
    if (!sameUnit)
        result = temperature ? fromCelsius(*to.scale, toCelsius(*from.scale, value))
                             : convertByRatio(value, factorOf(from, form.factors), factorOf(to, form.factors));
    if (form.significantDigits != 0)
        return {result, significantDigitsText(result, form.significantDigits)};
    return {result, temperature ? formatTemperatureResult(result, form.decimalSeparator)
                                : formatResult(result, form.decimalSeparator)};
}

} // namespace quantora
