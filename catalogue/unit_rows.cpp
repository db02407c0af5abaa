// SPDX-License-Identifier: MIT
#include "unit_rows.h"

#include "factor_text.h"

namespace quantora {

std::vector<UnitEntry> makeUnits(std::initializer_list<UnitRow> rows)
{
    std::vector<UnitEntry> units;
    units.reserve(rows.size());
    for (const UnitRow &row : rows)
        units.push_back({row.name, row.factor, factorText(row.factor), row.scale});
    return units;
}

} // namespace quantora
