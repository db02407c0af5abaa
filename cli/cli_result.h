// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <string>
#include <string_view>

namespace quantora {

// The typed value of a quantity converted from the unit at position `from` to
// the one at `to`, as the command line prints it: with digits 0, exactly the
// conversion screen's text; otherwise with that many significant digits
// (significantDigitsText).
std::string cliResultText(const QuantityDef &quantity, std::string_view value, int from, int to, int digits);

} // namespace quantora
