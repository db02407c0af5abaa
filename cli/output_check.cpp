// SPDX-License-Identifier: MIT
#include "output_check.h"

#include <cerrno>
#include <cstring>

namespace quantora {

std::optional<std::string> outputFailure(std::ostream &out)
{
    if (out) {
        errno = 0;
        out.flush();
    }
    if (out)
        return std::nullopt;
    // A stream that failed in an earlier flush (batch writes as it goes) leaves
    // that write's errno: the calls that succeed after it do not change errno.
    const int error = errno;
    return error != 0 ? std::string(std::strerror(error)) : std::string("the output stream failed");
}

} // namespace quantora
