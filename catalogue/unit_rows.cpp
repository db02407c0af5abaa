// SPDX-License-Identifier: MIT
#include "unit_rows.h"

#include "factor_text.h"

#include <ranges>
#include <string_view>

namespace quantora {

std::vector<UnitEntry> makeUnits(std::initializer_list<UnitRow> rows)
{
    std::vector<UnitEntry> units;
    units.reserve(rows.size());
    for (const UnitRow &row : rows) {
        UnitEntry &unit = units.emplace_back(UnitEntry{row.name, row.factor, factorText(row.factor), {}});
        for (const auto name : std::views::split(std::string_view(row.otherNames), ';'))
            if (!name.empty())
                unit.otherNames.emplace_back(name.begin(), name.end());
    }
    return units;
}

} // namespace quantora
