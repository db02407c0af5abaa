// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <string>

namespace quantora {

// Turns a case description into a GoogleTest parameter name ("cm to in" -> "cm_to_in").
inline std::string caseName(const char *what)
{
    std::string name;
    for (const char *c = what; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

// The name generator for cases that carry a "what" field.
inline constexpr auto byWhat = [](const auto &row) { return caseName(row.param.what); };

} // namespace quantora
