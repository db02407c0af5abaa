// SPDX-License-Identifier: MIT
#include "lookup.h"

#include "catalogue.h"

#include <array>

namespace quantora {

namespace {

using NameKey = std::string (*)(std::string_view);

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = lowerAscii(c);
    return lower;
}

std::string asWritten(std::string_view text)
{
    return std::string(text);
}

// The positions of the units whose trimmed name gives the same key as the typed name.
std::vector<int> unitsWithKey(const QuantityDef &quantity, std::string_view typed, NameKey key)
{
    const std::string wanted = key(typed);
    std::vector<int> found;
    for (std::size_t i = 0; i < quantity.units.size(); ++i)
        if (key(trimBlanks(quantity.units[i].name)) == wanted)
            found.push_back(static_cast<int>(i));
    return found;
}

} // namespace

std::string matchKey(std::string_view text)
{
    std::string key;
    for (const char c : text) {
        const char lower = lowerAscii(c);
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9'))
            key.push_back(lower);
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

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string spellingKey(std::string_view name)
{
    struct Spelling {
        std::string_view typed;
        std::string_view key;
    };
    // UTF-8 spellings of the catalogue's non-ASCII characters, and their ASCII stand-ins.
    static constexpr std::array<Spelling, 10> spellings{{
        {"\u00B5", "u"}, // micro sign, as the catalogue writes it
        {"\u03BC", "u"}, // Greek small letter mu
        {"\u00B2", "2"},
        {"^2", "2"},
        {"\u00B3", "3"},
        {"^3", "3"},
        {"\u00B0", ""},
        {"deg", ""},
        {"\u00B7", "."},
        {"*", "."},
    }};
    const std::string lower = lowerCase(name);
    std::string key;
    std::string_view rest = lower;
    while (!rest.empty()) {
        bool replaced = false;
        for (const Spelling &s : spellings) {
            if (rest.starts_with(s.typed)) {
                key += s.key;
                rest.remove_prefix(s.typed.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            key += rest.front();
            rest.remove_prefix(1);
        }
    }
    return key;
}

std::vector<int> findUnits(const QuantityDef &quantity, std::string_view name)
{
    const std::string_view typed = trimBlanks(name);
    for (const NameKey key : {asWritten, lowerCase, spellingKey}) {
        std::vector<int> found = unitsWithKey(quantity, typed, key);
        if (!found.empty())
            return found;
    }
    return {};
}

int findUnit(const QuantityDef &quantity, std::string_view name)
{
    const std::vector<int> found = findUnits(quantity, name);
    return found.size() == 1 ? found.front() : -1;
}

} // namespace quantora
