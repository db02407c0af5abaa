// SPDX-License-Identifier: MIT
#include "result_problem.h"

#include "conversion.h"
#include "lenient_number.h"
#include "lookup.h"
#include "result_text.h"

namespace quantora {

namespace {

constexpr double absoluteZeroCelsius = -273.15;
// The scales' formulas round in the last digits, so that 0 K read as °F and
// back can land a hair below absolute zero; that much is still absolute zero.
constexpr double roundingMargin = 1e-9;

bool belowAbsoluteZero(const UnitEntry &unit, double temperature)
{
    return unit.scale && toCelsius(*unit.scale, temperature) < absoluteZeroCelsius - roundingMargin;
}

std::string unitName(const QuantityDef &quantity, int position)
{
    return std::string(trimBlanks(quantity.units[static_cast<std::size_t>(position)].name));
}

} // namespace

std::optional<std::string> resultProblem(const QuantityDef &quantity, std::string_view value, int from, int to,
                                         std::string_view resultText)
{
    const bool outOfRange = resultText == outOfRangeText;
    if (!outOfRange && quantity.mode != ConversionMode::Temperature)
        return std::nullopt; // the common case, checked before any text is made
    const std::string typed = std::string(trimBlanks(value)) + " " + unitName(quantity, from);
    if (outOfRange)
        return "the result of " + typed + " in " + unitName(quantity, to) + " is out of range";
    const UnitEntry &fromUnit = quantity.units[static_cast<std::size_t>(from)];
    const UnitEntry &toUnit = quantity.units[static_cast<std::size_t>(to)];
    const double temperature = readLenientNumber(value);
    if (belowAbsoluteZero(fromUnit, temperature))
        return typed + " is below absolute zero";
    if (fromUnit.scale && toUnit.scale &&
        belowAbsoluteZero(toUnit, fromCelsius(*toUnit.scale, toCelsius(*fromUnit.scale, temperature))))
        return "the result of " + typed + " in " + unitName(quantity, to) + " is below absolute zero";
    return std::nullopt;
}

} // namespace quantora
