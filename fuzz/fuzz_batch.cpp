// SPDX-License-Identifier: MIT
// Fuzzes the batch reader. The first byte picks the significant digits (0, the
// window's text, to 17); the rest is standard input. Properties:
//  - one output line per input line (a last line without a line feed counts);
//  - a line that did not convert is an empty output line and one message
//    "quantora-cli: line N: ..." with the right N; a converted line is never empty;
//  - the run reports success exactly when there was no message.
#include "batch.h"
#include "fuzz_support.h"

#include <algorithm>
#include <sstream>
#include <string>

using quantora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int digits = data[0] % 18;
    const std::string_view input = quantora::fuzz::textOf(data + 1, size - 1);

    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    const bool allConverted = quantora::runBatch(in, out, err, digits).allConverted;
    const std::string output = out.str();
    const std::string messages = err.str();

    std::size_t inputLines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'));
    if (!input.empty() && input.back() != '\n')
        ++inputLines;
    require(static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n')) == inputLines,
            "one output line per input line", output);
    require(allConverted == messages.empty(), "success exactly without messages", messages);

    std::istringstream results(output);
    std::istringstream reasons(messages);
    std::string result;
    std::string reason;
    for (std::size_t line = 1; std::getline(results, result); ++line) {
        if (!result.empty())
            continue;
        require(static_cast<bool>(std::getline(reasons, reason)), "an empty line has its message", input);
        require(reason.starts_with("quantora-cli: line " + std::to_string(line) + ": "), "the message names the line",
                reason);
    }
    require(!std::getline(reasons, reason), "no message without an empty line", reason);
    return 0;
}
