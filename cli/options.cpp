// SPDX-License-Identifier: MIT
#include "options.h"

#include "digits_text.h"

#include <charconv>

namespace quantora {

namespace {

std::optional<int> readDigits(std::string_view text)
{
    int digits = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), digits);
    if (ec != std::errc{} || end != text.data() + text.size() || digits < minDigits || digits > maxDigits)
        return std::nullopt;
    return digits;
}

std::string badDigits(std::string_view text)
{
    return "--digits takes a whole number from " + std::to_string(minDigits) + " to " + std::to_string(maxDigits) +
           ", not \"" + std::string(text) + "\"";
}

} // namespace

ParsedOptions parseOptions(std::span<const std::string_view> args)
{
    ParsedOptions parsed;
    CliOptions &options = parsed.options;
    constexpr std::string_view digitsOption = "--digits";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            options.operands.insert(options.operands.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                    args.end());
            break;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--exact") {
            options.exact = true;
        } else if (arg == digitsOption || arg.starts_with("--digits=")) {
            std::string_view value;
            if (arg == digitsOption) {
                if (i + 1 == args.size()) {
                    parsed.error = "--digits needs a number of significant digits, from " + std::to_string(minDigits) +
                                   " to " + std::to_string(maxDigits);
                    return parsed;
                }
                value = args[++i];
            } else {
                value = arg.substr(digitsOption.size() + 1);
            }
            const std::optional<int> digits = readDigits(value);
            if (!digits) {
                parsed.error = badDigits(value);
                return parsed;
            }
            options.digits = *digits;
        } else if (arg.starts_with("--")) {
            parsed.error = "unknown option \"" + std::string(arg) + "\"; see quantora-cli --help";
            return parsed;
        } else {
            options.operands.push_back(arg);
        }
    }
    return parsed;
}

} // namespace quantora
