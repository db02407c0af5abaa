// SPDX-License-Identifier: MIT
#pragma once

// The registry's stand-in on systems without one: it answers the lookup of the
// system-information program's full path with the first of a few known
// programs found on the PATH, and has nothing else.

#include "registry.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace quantora::sysinfo {

// The programs looked for, in order of preference.
inline constexpr std::array<std::string_view, 3> sysInfoPrograms{"hardinfo2", "hardinfo", "kinfocenter"};

// True when path names a regular file that this user may execute.
bool isExecutableFile(const std::string &path);

class PathRegistry : public Registry {
public:
    using ExecutableTest = std::function<bool(const std::string &path)>;

    // pathVariable is the value of the PATH environment variable.
    explicit PathRegistry(std::string pathVariable, ExecutableTest isExecutable = isExecutableFile);

    // The full path of the first of sysInfoPrograms found executable in an
    // absolute folder of the PATH, in the PATH's order; empty when none is.
    std::string findProgram() const;

    // Answers the program-path lookup of StartSysInfo with findProgram() as a
    // text value; every other key is missing.
    QueryResult queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                           std::span<unsigned char> buffer) const override;

private:
    std::string m_pathVariable;
    ExecutableTest m_isExecutable;
};

} // namespace quantora::sysinfo
