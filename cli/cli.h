// SPDX-License-Identifier: MIT
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace quantora {

// Exit statuses of the command-line converter.
inline constexpr int exitOk = 0;
inline constexpr int exitNotConverted = 1;    // convert: out of range, or below absolute zero
inline constexpr int exitSomeLinesFailed = 1; // batch: a line could not be converted
inline constexpr int exitUsage = 2;           // unknown command, option, quantity or unit, or wrong arguments
inline constexpr int exitOutputFailed = 1;    // the output could not be written (a full disk, a closed handle)
inline constexpr int exitInputFailed = 1;     // batch: the input could not be read (a closed handle, a folder)

// Runs the command-line converter on its arguments (without the program name),
// reading conversions from in (batch only), writing results to out and
// messages to err. Returns the exit status. Output that cannot be written is a
// failure: a message on err and exitOutputFailed, whatever the command.
int runCli(std::span<const std::string_view> args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace quantora
