// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <string>
#include <string_view>

namespace quantora {

// Letters and digits only, ASCII letters in lower case: "Mass Flow Rate",
// "MassFlowrate " and "mass-flow-rate" all become "massflowrate".
std::string matchKey(std::string_view text);

// The quantity whose menu caption or title word has the same match key, or nullptr.
const QuantityDef *findQuantity(std::string_view name);

// The position of the unit named exactly so, else of the first whose name equals
// it once surrounding blanks are ignored on both sides ("°C" finds "°C "); -1 if none.
int findUnit(const QuantityDef &quantity, std::string_view name);

} // namespace quantora
