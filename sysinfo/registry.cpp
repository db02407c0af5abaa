// SPDX-License-Identifier: MIT
#include "registry.h"

#include <algorithm>

namespace quantora::sysinfo {

void InMemoryRegistry::addKey(std::uint32_t root, std::string keyName)
{
    m_keys[{root, std::move(keyName)}];
}

void InMemoryRegistry::setValue(std::uint32_t root, std::string keyName, std::string valueName, unsigned type,
                                std::vector<unsigned char> data)
{
    m_keys[{root, std::move(keyName)}][std::move(valueName)] = Value{type, std::move(data)};
}

void InMemoryRegistry::setText(std::uint32_t root, std::string keyName, std::string valueName, std::string_view text)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    setValue(root, std::move(keyName), std::move(valueName), regSz, std::move(data));
}

QueryResult InMemoryRegistry::queryValue(std::uint32_t root, std::string_view keyName, std::string_view valueName,
                                         std::span<unsigned char> buffer) const
{
    const auto key = m_keys.find(KeyId{root, std::string(keyName)});
    if (key == m_keys.end())
        return {QueryStatus::keyNotOpened};
    const auto value = key->second.find(valueName);
    if (value == key->second.end())
        return {QueryStatus::valueNotRead};
    const Value &stored = value->second;
    if (stored.data.size() > buffer.size())
        return {QueryStatus::moreData, stored.type, stored.data.size()};
    std::copy(stored.data.begin(), stored.data.end(), buffer.begin());
    return {QueryStatus::ok, stored.type, stored.data.size()};
}

} // namespace quantora::sysinfo
