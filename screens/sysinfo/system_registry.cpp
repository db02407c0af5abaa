// SPDX-License-Identifier: MIT
#include "system_registry.h"

#ifdef _WIN32
#include "windows_registry.h"
#else
#include "path_registry.h"

#include <cstdlib>
#endif

namespace quantora::sysinfo {

std::unique_ptr<Registry> systemRegistry()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    const char *path = std::getenv("PATH");
    return std::make_unique<PathRegistry>(path ? path : "");
#endif
}

} // namespace quantora::sysinfo
