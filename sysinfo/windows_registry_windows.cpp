// SPDX-License-Identifier: MIT
#include "windows_registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace quantora::sysinfo {

namespace {

// Root handles are 32-bit values that Windows sign-extends to pointer width.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

class OpenKey {
public:
    OpenKey(std::uint32_t root, const std::string &keyName)
        : m_status(RegOpenKeyExA(rootHandle(root), keyName.c_str(), 0, KEY_QUERY_VALUE, &m_key))
    {
    }
    ~OpenKey()
    {
        if (m_status == ERROR_SUCCESS)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    bool isOpen() const { return m_status == ERROR_SUCCESS; }
    HKEY handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
    LSTATUS m_status;
};

} // namespace

QueryResult WindowsRegistry::queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                                        std::span<unsigned char> buffer) const
{
    const OpenKey key(root, std::string(keyName));
    if (!key.isOpen())
        return {QueryStatus::keyNotOpened};

    const std::string name(valueName);
    DWORD type = 0;
    DWORD byteCount = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
    const LSTATUS status = RegQueryValueExA(key.handle(), name.c_str(), nullptr, &type, buffer.data(), &byteCount);
    if (status == ERROR_MORE_DATA)
        return {QueryStatus::moreData, type, byteCount};
    if (status != ERROR_SUCCESS)
        return {QueryStatus::valueNotRead};
    return {QueryStatus::ok, type, byteCount};
}

} // namespace quantora::sysinfo
