// SPDX-License-Identifier: MIT
#pragma once

// The Windows registry through advapi32's wide-character calls (compiled on
// Windows only). Text values come back in UTF-8.

#include "registry.h"

namespace quantora::sysinfo {

class WindowsRegistry : public Registry {
public:
    // Opens the key with query access only, so that users without write rights
    // on HKEY_LOCAL_MACHINE can read it too.
    QueryResult queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                           std::span<unsigned char> buffer) const override;
};

} // namespace quantora::sysinfo
