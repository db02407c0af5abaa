// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// Why a conversion that cliResultText wrote as `resultText` gives no result on
// the command line, or nothing when it does: the result is out of range, or (in
// Temperature) the value or the result lies below absolute zero. The message
// names the value and the units. The windows show such results as they are.
std::optional<std::string> resultProblem(const QuantityDef &quantity, std::string_view value, int from, int to,
                                         std::string_view resultText);

} // namespace quantora
