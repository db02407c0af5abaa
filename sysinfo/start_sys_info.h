// SPDX-License-Identifier: MIT
#pragma once

#include "registry.h"

#include <functional>
#include <string>
#include <string_view>

namespace quantora::sysinfo {

// Where the system-information program is registered (under HKEY_LOCAL_MACHINE):
// first the program's full path, else the folder that holds programFileName.
inline constexpr std::string_view programPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view programPathValue = "PATH";
inline constexpr std::string_view programFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view programFolderValue = "MSINFO";
inline constexpr std::string_view programFileName = "\\MSINFO32.EXE";

inline constexpr std::string_view unavailableMessage = "System Information Is Unavailable At This Time";

// What StartSysInfo does to the world besides reading the registry.
struct SysInfoActions {
    std::function<bool(const std::string &path)> fileExists;
    // Starts the program in a normal, focused window; false when it could not be started.
    std::function<bool(const std::string &program)> startProgram;
    // Shows a message box with an OK button and returns when the user has closed it.
    std::function<void(std::string_view text)> showMessage;
};

// Finds the system-information program through the registry and starts it, or
// shows unavailableMessage when it is not registered, not present, cannot be
// started, or anything on the way throws.
void StartSysInfo(const Registry &registry, const SysInfoActions &actions);

} // namespace quantora::sysinfo
