// SPDX-License-Identifier: MIT
#pragma once

#include "conversion.h"
#include "quantity.h"

#include <string_view>

namespace quantora {

// How the command line converts and writes a result: with digits 0, exactly
// the conversion screen's text; otherwise with that many significant digits
// (significantDigitsText); by the table's or the exact factors.
struct CliForm {
    int digits = 0;
    FactorSet factors = FactorSet::Table;
};

// The typed value of a quantity converted from the unit at position `from` to
// the one at `to`, as the command line prints it.
ConversionResult cliResult(const QuantityDef &quantity, std::string_view value, int from, int to, CliForm form);

} // namespace quantora
