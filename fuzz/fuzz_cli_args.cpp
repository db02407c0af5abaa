// SPDX-License-Identifier: MIT
// Fuzzes the command-line converter's argument handling. The input is split at
// NUL bytes into arguments ("convert\0length\0" "1\0cm\0in"); an empty input is
// no argument at all. Standard input is empty. Properties:
//  - the exit status is 0, 1 (a conversion without a result) or 2;
//  - status 1 and 2 write a message to the error stream and nothing to the output;
//  - status 0 writes output ending in a line feed and no message (batch, with
//    no input, writes nothing); a conversion writes exactly one line, and one
//    without a to-unit one line per unit.
#include "cli.h"
#include "fuzz_support.h"
#include "lookup.h"
#include "options.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using quantora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = quantora::fuzz::textOf(data, size);
    std::vector<std::string_view> args;
    if (!input.empty()) {
        std::size_t start = 0;
        for (std::size_t nul; (nul = input.find('\0', start)) != std::string_view::npos; start = nul + 1)
            args.push_back(input.substr(start, nul - start));
        args.push_back(input.substr(start));
    }

    std::istringstream in; // batch reads no lines here; fuzz_batch covers it
    std::ostringstream out;
    std::ostringstream err;
    const int status = quantora::runCli(args, in, out, err);
    const std::string output = out.str();
    const std::string messages = err.str();

    require(status == quantora::exitOk || status == quantora::exitNotConverted || status == quantora::exitUsage,
            "status 0, 1 or 2", input);
    if (status != quantora::exitOk) {
        require(!messages.empty(), "a failure explains itself", input);
        require(output.empty(), "a failure writes no output", output);
        return 0;
    }
    require(messages.empty(), "status 0 writes no message", messages);
    // --help and --version answer alone, whatever the command.
    const quantora::CliOptions options = quantora::parseOptions(args).options;
    const bool answersAlone = options.help || options.version;
    const std::vector<std::string_view> &operands = options.operands;
    const bool batch = !answersAlone && !operands.empty() && operands[0] == "batch";
    require(batch ? output.empty() : !output.empty() && output.back() == '\n', "status 0 writes whole lines", output);
    if (!answersAlone && !operands.empty() && operands[0] == "convert") {
        const auto lines = std::count(output.begin(), output.end(), '\n');
        const auto units = static_cast<std::ptrdiff_t>(quantora::findQuantity(operands[1])->units.size());
        require(lines == (operands.size() == 5 ? 1 : units), "a conversion is one line, or one per unit", output);
    }
    return 0;
}
