// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace quantora {

// Answers the program's own command-line options before any window or display
// is needed: --help and --version print to out and give exit status 0 (1, with
// the reason on err, when out cannot be written); an
// option that is neither the program's nor Qt's (-platform NAME, -style NAME,
// ...), or any other argument, prints one line to err and gives 2. Returns no
// value when the program should start its windows; Qt then reads its own
// options from the unchanged arguments. args excludes the program name.
std::optional<int> answerCommandLine(std::span<const std::string_view> args, std::ostream &out, std::ostream &err);

// Whether the arguments that answerCommandLine let through name a style for Qt
// (-style NAME, --style=NAME, ...).
bool styleGiven(std::span<const std::string_view> args);

// Qt's scaling and font settings from the environment that would break the
// windows' drawing (a scale factor of zero, below zero, not a number, or far
// out of any screen's range) are removed before Qt reads them, each with one
// line on err. Call before the application object is made.
void dropUnusableQtSettings(std::ostream &err);

} // namespace quantora
