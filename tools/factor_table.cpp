// SPDX-License-Identifier: MIT
// Writes docs/factors.md from the catalogue: every unit whose table factor
// differs from its exact factor by more than one part in 10⁹.
//   factor_table > docs/factors.md
// The test factor_table.current fails when the committed file differs.
#include "catalogue.h"
#include "digits_text.h"
#include "factor_text.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

namespace {

using namespace quantora;

constexpr double threshold = 1e-9;

constexpr std::string_view introduction = R"md(# Table factors and exact factors

Quantora converts by the factors of its own unit tables unless told otherwise.
Many of them are written to four or five figures, so a result differs from what
the units' definitions give. The exact factors are composed from the defining
constants in `catalogue/definitions.h` (the international inch and pound,
standard gravity, the calories and Btu, the standard atmosphere, the
conventional millimetre of mercury, the US and imperial gallons, the
horsepowers, and the molar gas constant R = N_A·k, exactly
8.31446261815324 J/(mol·K)).

Switch to them with **Exact Factors** in the context menu of the value box or
of the result, or with Ctrl+Shift+E, on the conversion screen; the choice is
kept for the next start. On the command line, give `--exact` to `convert`,
`units` or `batch`.

Where a unit's name admits two definitions, its exact factor takes the one
whose value its table factor rounds:

- "cal", "kcal", "cal/m³", "kcal/m³" and every calorie of Power, Heat and
  Specific Heat: the International Table calorie, 4.1868 J; but "cal/g"
  (Enthalpy) and "cal/(mol·K)" (Ideal Gas Constant): the thermochemical
  calorie, 4.184 J.
- "BTU" and every Btu but one: the International Table Btu, 1055.05585262 J;
  "Btu/(lb mol·°R)" (Ideal Gas Constant): the thermochemical Btu,
  1054.3502644... J, so that it equals "cal/(mol·K)" as in the table.
- "therm": 10⁵ International Table Btu. "thermie": 10⁶ calories of 15 °C,
  4.1855 MJ.
- "Barrel" (Volume, Volume Flow Rate): the US liquid barrel, 31.5 US gal;
  "US Barrel": the oil barrel, 42 US gal.
- "Fluid oz", "UK Pint", "Imp gal", "UK gal" and "10^6 gal/d": imperial
  measures (the imperial gallon, 4.54609 L).
- "UK ton", "ton/yr", "ton/yd³" and "UK ton f": the long ton, 2240 lb.
- "in H2O", "ft H2O": a column of water at 4 °C, 999.972 kg/m³, under
  standard gravity, as the conversion screen's note says (NIST SP 811 gives
  249.082 Pa for the inch). "in Hg": 25.4 conventional millimetres of mercury.
- "g/ml" and "kg/litre" in Density: the litre of 1901, 1.000028 dm³.
- "tcal/h": 10⁶ International Table calories per hour.
- Ideal Gas Volume: "lbmol @ 32°F·atm" and "gmol @ 0°C·atm" are both the
  molar volume of an ideal gas at 0 °C and one standard atmosphere, R × 273.15
  K / 101325 Pa.
- A mass flow per year takes the year as 365 days.

The temperature scales have no factors: they convert by their formulas either
way. This file is written by `tools/factor_table.cpp` from the catalogue; do
not edit it by hand.
)md";

// The relative difference, signed, to two significant digits.
std::string relativeDifference(double table, double exact)
{
    const double difference = table / exact - 1;
    return (difference > 0 ? "+" : "") + significantDigitsText(difference, 2);
}

} // namespace

int main()
{
    std::string out(introduction);
    int ratioUnits = 0;
    int listed = 0;
    std::string tables;
    for (const QuantityDef &quantity : catalogue()) {
        std::string rows;
        for (const UnitEntry &unit : quantity.units) {
            if (unit.scale)
                continue;
            ++ratioUnits;
            const double table = readFactorText(unit.factorText);
            if (std::fabs(table / unit.exactFactor - 1) <= threshold)
                continue;
            ++listed;
            rows += "| " + unit.name + " | " + unit.factorText + " | " + shortestText(unit.exactFactor) + " | " +
                    relativeDifference(table, unit.exactFactor) + " |\n";
        }
        if (rows.empty())
            continue;
        const auto base = std::find_if(quantity.units.begin(), quantity.units.end(),
                                       [](const UnitEntry &unit) { return unit.factorText == "1"; });
        tables += "\n## " + quantity.fullName + "\n\nFactors in \"" + base->name +
                  "\".\n\n| Unit | Table factor | Exact factor | Table ÷ exact − 1 |\n|---|---:|---:|---:|\n" + rows;
    }
    out += "\n" + std::to_string(listed) + " of the " + std::to_string(ratioUnits) +
           " units converted by factors differ from their definitions by more than one part in 10⁹.\n" + tables;
    std::cout << out;
    return std::cout ? 0 : 1;
}
