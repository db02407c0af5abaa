// SPDX-License-Identifier: MIT
#include "cli_result.h"

namespace quantora {

ConversionResult cliResult(const QuantityDef &quantity, std::string_view value, int from, int to, CliForm form)
{
    return conversionResult(value, quantity.units[static_cast<std::size_t>(from)],
                            quantity.units[static_cast<std::size_t>(to)],
                            {.significantDigits = form.digits, .factors = form.factors});
}

} // namespace quantora
