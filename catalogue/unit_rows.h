// SPDX-License-Identifier: MIT
#pragma once

#include "definitions.h"
#include "quantity.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace quantora {

// A unit as the frame sources write it: its name, the arithmetic of its table
// factor, its size in SI units composed from the defining constants of
// definitions.h, the other names people type for it, separated by ";"
// ("inch;inches"), and for a temperature its scale.
struct UnitRow {
    const char *name;
    double factor;
    long double definition;
    const char *otherNames = "";
    std::optional<TemperatureScale> scale = {};
};

// a^b in the unit tables: the general power function of two doubles, computed
// at run time so that 10^6 × 1.013 gives the same double as it always has.
inline double pw(double base, double exponent)
{
    return std::pow(base, exponent);
}

// Turns the rows into units, each factor written at once by the factor text
// rule. `base` is the SI size of the unit whose table factor is 1; each unit's
// exact factor is its definition divided by it.
std::vector<UnitEntry> makeUnits(long double base, std::initializer_list<UnitRow> rows);

} // namespace quantora
