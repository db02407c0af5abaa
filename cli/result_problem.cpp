// SPDX-License-Identifier: MIT
#include "result_problem.h"

#include "lookup.h"

#include <cmath>

namespace quantora {

namespace {

constexpr double absoluteZeroCelsius = -273.15;
// The scales' formulas round in the last digits, so that 0 K read as °F can
// land a hair below absolute zero; that much is still absolute zero.
constexpr double roundingMargin = 1e-9;

std::string unitName(const QuantityDef &quantity, int position)
{
    return std::string(trimBlanks(quantity.units[static_cast<std::size_t>(position)].name));
}

} // namespace

std::optional<std::string> resultProblem(const QuantityDef &quantity, std::string_view value, int from, int to,
                                         const ConversionResult &result)
{
    const bool outOfRange = !std::isfinite(result.value);
    const auto &toScale = quantity.units[static_cast<std::size_t>(to)].scale;
    // A conversion between scales keeps the temperature, so the result lies
    // below absolute zero exactly when the typed value does.
    const bool belowAbsoluteZero = !outOfRange && toScale && quantity.units[static_cast<std::size_t>(from)].scale &&
                                   toCelsius(*toScale, result.value) < absoluteZeroCelsius - roundingMargin;
    if (!outOfRange && !belowAbsoluteZero)
        return std::nullopt; // the common case, checked before any text is made
    const std::string typed = std::string(trimBlanks(value)) + " " + unitName(quantity, from);
    if (outOfRange)
        return "the result of " + typed + " in " + unitName(quantity, to) + " is out of range";
    return typed + " is below absolute zero";
}

} // namespace quantora
