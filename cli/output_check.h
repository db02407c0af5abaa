// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace quantora {

// Flushes out and tells why what was written to it did not all arrive (a full
// disk, a closed handle), or nothing when it did. The reason is the system's
// word for the failed write, read at once, as nothing else runs in between.
std::optional<std::string> outputFailure(std::ostream &out);

} // namespace quantora
