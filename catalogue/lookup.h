// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// Letters and digits only, ASCII letters in lower case: "Mass Flow Rate",
// "MassFlowrate " and "mass-flow-rate" all become "massflowrate".
std::string matchKey(std::string_view text);

// The quantity whose menu caption or title word has the same match key, or nullptr.
const QuantityDef *findQuantity(std::string_view name);

// The text without the blanks and tabs at either end ("°C " becomes "°C").
std::string_view trimBlanks(std::string_view text);

// A unit name as it can be typed with ASCII letters, in lower case: "µ" and "μ"
// become "u", "²" and "^2" become "2" ("³", "^3": "3"), "°" and "deg" are
// dropped, "·" and "*" become ".". So "N·s/m²" and "n*s/m^2" both give "n.s/m2".
std::string spellingKey(std::string_view name);

// The positions of the units a typed name stands for, found by the first of
// these steps that finds any: the exact name with surrounding blanks ignored;
// the name in any case; the name's ASCII spelling (spellingKey). One position
// is a match, several mean the name is ambiguous, none that it is unknown.
std::vector<int> findUnits(const QuantityDef &quantity, std::string_view name);

// The position of the one unit findUnits finds, or -1 when it finds none or several.
int findUnit(const QuantityDef &quantity, std::string_view name);

} // namespace quantora
