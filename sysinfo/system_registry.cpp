// SPDX-License-Identifier: MIT
#include "system_registry.h"

#ifdef _WIN32
#include "windows_registry.h"
#else
#include "path_registry.h"

#include <cstdlib>
#endif

#include "start_sys_info.h"

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

std::string lookedForPrograms()
{
#ifdef _WIN32
    return std::string(programFileName.substr(1));
#else
    std::string names;
    for (const std::string_view program : sysInfoPrograms)
        names += (names.empty() ? "" : ", ") + std::string(program);
    return names;
#endif
}

} // namespace quantora::sysinfo
