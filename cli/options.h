// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// The command line with its options taken out.
struct CliOptions {
    std::vector<std::string_view> operands; // the command and its arguments
    int digits = 0;                         // significant digits asked for; 0: the window's text
    bool exact = false;                     // --exact: the units' exact factors, not the table's
    bool help = false;
    bool version = false;
};

// The options, or the message that explains what is wrong with them.
struct ParsedOptions {
    CliOptions options;
    std::optional<std::string> error;
};

// Takes the options out of the arguments, wherever they stand: --digits N (or
// --digits=N), --exact, --help (-h) and --version. "--" ends the options; every argument
// after it is an operand. Any other argument starting with "--" is an unknown
// option; one starting with a single "-", such as the value "-5", is an operand.
ParsedOptions parseOptions(std::span<const std::string_view> args);

} // namespace quantora
