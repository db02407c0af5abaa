// SPDX-License-Identifier: MIT
#include "cli_result.h"

#include "conversion.h"

namespace quantora {

std::string cliResultText(const QuantityDef &quantity, std::string_view value, int from, int to, int digits)
{
    return conversionResult(value, quantity.units[static_cast<std::size_t>(from)],
                            quantity.units[static_cast<std::size_t>(to)], {.significantDigits = digits})
        .text;
}

} // namespace quantora
