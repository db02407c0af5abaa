// SPDX-License-Identifier: MIT
#pragma once

#include "cli_result.h"

#include <istream>
#include <ostream>

namespace quantora {

// Converts the lines of `in`, each "QUANTITY<tab>VALUE<tab>FROM<tab>TO" (a
// carriage return before the line feed is ignored), and writes one result line
// per input line, in order, as convert prints it (digits and factors as for
// cliResult).
// A line that cannot be converted writes an empty line to `out` and
// "quantora-cli: line N: <reason>" to `err`, and the run goes on.
// Returns true when every line converted. A write to out that fails ends the
// run, with out's failure left for the caller to report.
bool runBatch(std::istream &in, std::ostream &out, std::ostream &err, int digits, FactorSet factors = FactorSet::Table);

} // namespace quantora
