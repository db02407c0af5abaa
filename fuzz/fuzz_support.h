// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace quantora::fuzz {

// The input as text, bytes unchanged.
inline std::string_view textOf(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

// The first eight bytes of the input as the bits of a double, missing bytes
// taken as zero, so that every double (NaN, infinities, subnormals, -0) can come up.
inline double doubleFromBytes(const std::uint8_t *data, std::size_t size)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A broken property: print what broke and abort, so that libFuzzer reports it
// as a crash and saves the input.
inline void require(bool holds, const char *property, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nProperty broken: %s [%.*s]\n", property, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// Whether the digits from `cut` on read "5000...": an exact tie when a decimal
// expansion is rounded just before `cut`. Digits end at the first non-digit.
inline bool isExactTie(const char *cut)
{
    if (*cut != '5')
        return false;
    for (++cut; *cut >= '0' && *cut <= '9'; ++cut)
        if (*cut != '0')
            return false;
    return true;
}

} // namespace quantora::fuzz
