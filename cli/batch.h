// SPDX-License-Identifier: MIT
#pragma once

#include "cli_result.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace quantora {

// Converts the lines of `in`, each "QUANTITY<tab>VALUE<tab>FROM<tab>TO" (a
// carriage return before the line feed is ignored), and writes one result line
// per input line, in order, as convert prints it (digits and factors as for
// cliResult).
// A line that cannot be converted writes an empty line to `out` and
// "quantora-cli: line N: <reason>" to `err`, and the run goes on.
// A write to out that fails ends the run at once, with out's failure left for
// the caller to report and no message of its own. A read of `in` that fails
// ends it too, with the results so far written.
struct BatchOutcome {
    bool allConverted = true;
    std::optional<std::string> inputFailure; // why the input could not be read
};
BatchOutcome runBatch(std::istream &in, std::ostream &out, std::ostream &err, int digits,
                      FactorSet factors = FactorSet::Table);

} // namespace quantora
