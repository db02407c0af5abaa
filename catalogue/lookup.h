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

// The quantities a typed name stands for, in catalogue order: those with a name
// (menu caption, title word, full name or other name) of the same match key;
// failing that, those with a name whose match key begins with the typed one
// ("temp", "press"). One is a match, several mean the name is ambiguous, none
// that it is unknown.
std::vector<const QuantityDef *> findQuantities(std::string_view name);

// The one quantity findQuantities finds, or nullptr when it finds none or several.
const QuantityDef *findQuantity(std::string_view name);

// The text without the blanks and tabs at either end ("°C " becomes "°C").
std::string_view trimBlanks(std::string_view text);

// A unit name as it can be typed with ASCII letters, in lower case: "µ" and "μ"
// become "u", "²" and "^2" become "2" ("³", "^3": "3"), "°" and "deg" are
// dropped, "·" and "*" become ".". So "N·s/m²" and "n*s/m^2" both give "n.s/m2".
std::string spellingKey(std::string_view name);

// The spelling key without blanks and with the factors of each product in one
// order: "mm Hg" and "mmHg" both give "mmhg", "lbf.ft" and "ft*lbf" both "ft.lbf".
std::string looseKey(std::string_view name);

// The positions of the units a typed name stands for, found by the first of
// these steps that finds any, each comparing the typed name with every unit's
// name and other names: exact, surrounding blanks ignored; in any case; in
// ASCII spelling (spellingKey); with blanks and the order of products ignored
// (looseKey). One position is a match, several mean the name is ambiguous,
// none that it is unknown.
std::vector<int> findUnits(const QuantityDef &quantity, std::string_view name);

// The position of the one unit findUnits finds, or -1 when it finds none or several.
int findUnit(const QuantityDef &quantity, std::string_view name);

} // namespace quantora
