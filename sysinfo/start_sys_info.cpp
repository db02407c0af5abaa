// SPDX-License-Identifier: MIT
#include "start_sys_info.h"

#include "get_key_value.h"

#include <exception>

namespace quantora::sysinfo {

namespace {

// A zero byte would end the path early for the system, which would then test
// or start some other file than the one registered.
bool isUsablePath(const std::string &path)
{
    return path.find('\0') == std::string::npos;
}

// Finds and starts the program; false when that did not happen.
bool findAndStart(const Registry &registry, const SysInfoActions &actions)
{
    std::string path;
    if (!GetKeyValue(registry, hkeyLocalMachine, programPathKey, programPathValue, path)) {
        if (!GetKeyValue(registry, hkeyLocalMachine, programFolderKey, programFolderValue, path))
            return false;
        path += programFileName;
        if (!isUsablePath(path) || !actions.fileExists(path))
            return false;
    }
    // The registered full path is started as it is, without an existence test.
    return isUsablePath(path) && actions.startProgram(path);
}

} // namespace

void StartSysInfo(const Registry &registry, const SysInfoActions &actions)
{
    bool started = false;
    try {
        started = findAndStart(registry, actions);
    } catch (const std::exception &) {
        started = false;
    }
    if (!started)
        actions.showMessage(unavailableMessage);
}

} // namespace quantora::sysinfo
