// SPDX-License-Identifier: MIT
#pragma once

#include "conversion.h"
#include "quantity.h"

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// Why a conversion gives no result on the command line, or nothing when it
// does: its value is out of range, or (in Temperature) it lies below absolute
// zero, and so does the typed temperature, which is the same one. The message
// names the value and the units. The windows show such results as they are.
std::optional<std::string> resultProblem(const QuantityDef &quantity, std::string_view value, int from, int to,
                                         const ConversionResult &result);

} // namespace quantora
