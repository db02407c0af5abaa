// SPDX-License-Identifier: MIT
#include "path_registry.h"

#include "start_sys_info.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quantora::sysinfo {

namespace {

#ifdef _WIN32
constexpr char pathListSeparator = ';';
#else
constexpr char pathListSeparator = ':';
#endif

// The folders of the PATH that can give a full path. Empty and relative
// entries would look in the current folder, which is not a place to start
// programs from.
std::vector<std::filesystem::path> absoluteFolders(std::string_view pathVariable)
{
    std::vector<std::filesystem::path> folders;
    while (!pathVariable.empty()) {
        const std::size_t end = std::min(pathVariable.find(pathListSeparator), pathVariable.size());
        std::filesystem::path folder(pathVariable.substr(0, end));
        if (folder.is_absolute())
            folders.push_back(std::move(folder));
        pathVariable.remove_prefix(std::min(end + 1, pathVariable.size()));
    }
    return folders;
}

} // namespace

bool isExecutableFile(const std::string &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
#ifdef _WIN32
    return true;
#else
    return ::access(path.c_str(), X_OK) == 0;
#endif
}

PathRegistry::PathRegistry(std::string pathVariable, ExecutableTest isExecutable)
    : m_pathVariable(std::move(pathVariable)), m_isExecutable(std::move(isExecutable))
{
}

std::string PathRegistry::findProgram() const
{
    const std::vector<std::filesystem::path> folders = absoluteFolders(m_pathVariable);
    // Every folder is searched for the preferred program before the next one is tried.
    for (std::string_view program : sysInfoPrograms)
        for (const std::filesystem::path &folder : folders) {
            const std::string candidate = (folder / program).string();
            if (m_isExecutable(candidate))
                return candidate;
        }
    return {};
}

QueryResult PathRegistry::queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                                     std::span<unsigned char> buffer) const
{
    if (root != hkeyLocalMachine || keyName != programPathKey)
        return {QueryStatus::keyNotOpened};
    if (valueName != programPathValue)
        return {QueryStatus::valueNotRead};
    const std::string program = findProgram();
    if (program.empty())
        return {QueryStatus::valueNotRead};
    // Stored as Windows stores text: with a terminating zero.
    const std::size_t byteCount = program.size() + 1;
    if (byteCount > buffer.size())
        return {QueryStatus::moreData, regSz, byteCount};
    std::copy(program.begin(), program.end(), buffer.begin());
    buffer[program.size()] = 0;
    return {QueryStatus::ok, regSz, byteCount};
}

} // namespace quantora::sysinfo
