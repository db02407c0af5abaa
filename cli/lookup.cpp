// SPDX-License-Identifier: MIT
#include "lookup.h"

#include "catalogue.h"

namespace quantora {

namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string matchKey(std::string_view text)
{
    std::string key;
    for (const char c : text) {
        if (c >= 'A' && c <= 'Z')
            key.push_back(static_cast<char>(c - 'A' + 'a'));
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key.push_back(c);
    }
    return key;
}

const QuantityDef *findQuantity(std::string_view name)
{
    const std::string key = matchKey(name);
    if (key.empty())
        return nullptr;
    for (const QuantityDef &q : catalogue())
        if (matchKey(q.caption) == key || matchKey(q.titleWord) == key)
            return &q;
    return nullptr;
}

int findUnit(const QuantityDef &quantity, std::string_view name)
{
    const auto &units = quantity.units;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].name == name)
            return static_cast<int>(i);
    const std::string_view trimmed = trimBlanks(name);
    for (std::size_t i = 0; i < units.size(); ++i)
        if (trimBlanks(units[i].name) == trimmed)
            return static_cast<int>(i);
    return -1;
}

} // namespace quantora
