// SPDX-License-Identifier: MIT
#include "cli_result.h"

#include "conversion.h"
#include "digits_text.h"
#include "factor_text.h"
#include "lenient_number.h"

namespace quantora {

std::string cliResultText(const QuantityDef &quantity, std::string_view value, int from, int to, int digits)
{
    const UnitEntry &fromUnit = quantity.units[static_cast<std::size_t>(from)];
    const UnitEntry &toUnit = quantity.units[static_cast<std::size_t>(to)];
    const bool temperature = quantity.mode == ConversionMode::Temperature;
    if (digits == 0)
        return temperature ? temperatureResultText(value, from, to)
                           : ratioResultText(value, fromUnit.factorText, toUnit.factorText);
    const double typed = readLenientNumber(value);
    const double result =
        temperature ? fromCelsius(to, toCelsius(from, typed))
                    : convertByRatio(typed, readFactorText(fromUnit.factorText), readFactorText(toUnit.factorText));
    return significantDigitsText(result, digits);
}

} // namespace quantora
