// SPDX-License-Identifier: MIT
#include "windows_registry.h"

#include "wide_text_windows.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace quantora::sysinfo {

namespace {

// Root handles are 32-bit values that Windows sign-extends to pointer width.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

class OpenKey {
public:
    OpenKey(std::uint32_t root, const std::wstring &keyName)
        : m_status(RegOpenKeyExW(rootHandle(root), keyName.c_str(), 0, KEY_QUERY_VALUE, &m_key))
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
    // The wide-character calls: the ANSI ones would turn every character outside
    // the ANSI code page into a look-alike or "?", and the path would name no file.
    const OpenKey key(root, toWide(keyName));
    if (!key.isOpen())
        return {QueryStatus::keyNotOpened};

    // Text of up to buffer.size() bytes in UTF-8 has at most that many UTF-16 units.
    std::vector<unsigned char> data(2 * buffer.size());
    DWORD type = 0;
    auto byteCount = static_cast<DWORD>(data.size());
    const LSTATUS status =
        RegQueryValueExW(key.handle(), toWide(valueName).c_str(), nullptr, &type, data.data(), &byteCount);
    if (status == ERROR_MORE_DATA)
        return {QueryStatus::moreData, type, byteCount};
    if (status != ERROR_SUCCESS)
        return {QueryStatus::valueNotRead};

    std::string bytes(data.begin(), data.begin() + byteCount);
    if (type == REG_SZ) {
        // UTF-16 to UTF-8, the terminating zero (if stored) included; an odd last byte is no character.
        std::wstring text(byteCount / sizeof(wchar_t), L'\0');
        std::copy_n(data.data(), text.size() * sizeof(wchar_t), reinterpret_cast<unsigned char *>(text.data()));
        bytes = toUtf8(text);
    }
    if (bytes.size() > buffer.size())
        return {QueryStatus::moreData, type, bytes.size()};
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return {QueryStatus::ok, type, bytes.size()};
}

} // namespace quantora::sysinfo
