// SPDX-License-Identifier: MIT
#pragma once

#include "registry.h"

#include <memory>
#include <string>

namespace quantora::sysinfo {

// The registry of this system: advapi32 on Windows; elsewhere the stand-in that
// looks for a system-information program on the PATH.
std::unique_ptr<Registry> systemRegistry();

// The names of the programs systemRegistry() leads to, separated by ", ", so
// that a user who has none of them knows what to install.
std::string lookedForPrograms();

} // namespace quantora::sysinfo
