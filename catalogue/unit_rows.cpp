// SPDX-License-Identifier: MIT
#include "unit_rows.h"

#include "factor_text.h"

#include <algorithm>
#include <string_view>

namespace quantora {

std::vector<UnitEntry> makeUnits(long double base, std::initializer_list<UnitRow> rows)
{
    std::vector<UnitEntry> units;
    units.reserve(rows.size());
    for (const UnitRow &row : rows) {
        UnitEntry &unit = units.emplace_back(
            UnitEntry{row.name, factorText(row.factor), static_cast<double>(row.definition / base), {}, row.scale});
        for (std::string_view rest = row.otherNames; !rest.empty();) {
            const std::string_view name = rest.substr(0, rest.find(';'));
            if (!name.empty())
                unit.otherNames.emplace_back(name);
            rest.remove_prefix(std::min(name.size() + 1, rest.size()));
        }
    }
    return units;
}

} // namespace quantora
