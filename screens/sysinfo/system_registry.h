// SPDX-License-Identifier: MIT
#pragma once

#include "registry.h"

#include <memory>

namespace quantora::sysinfo {

// The registry of this system: advapi32 on Windows; elsewhere the stand-in that
// looks for a system-information program on the PATH.
std::unique_ptr<Registry> systemRegistry();

} // namespace quantora::sysinfo
