// SPDX-License-Identifier: MIT
#include "lookup.h"

#include "catalogue.h"

#include <algorithm>
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

// The positions of the units with a name or other name that gives the same key
// as the typed name, its surrounding blanks ignored.
std::vector<int> unitsWithKey(const QuantityDef &quantity, std::string_view typed, NameKey key)
{
    const std::string wanted = key(typed);
    const auto fits = [&](std::string_view name) { return key(trimBlanks(name)) == wanted; };
    std::vector<int> found;
    for (std::size_t i = 0; i < quantity.units.size(); ++i) {
        const UnitEntry &unit = quantity.units[i];
        if (fits(unit.name) || std::any_of(unit.otherNames.begin(), unit.otherNames.end(), fits))
            found.push_back(static_cast<int>(i));
    }
    return found;
}

// The quantity's names: menu caption, title word, full name and other names.
std::vector<std::string_view> quantityNames(const QuantityDef &quantity)
{
    std::vector<std::string_view> names{quantity.caption, quantity.titleWord, quantity.fullName};
    names.insert(names.end(), quantity.otherNames.begin(), quantity.otherNames.end());
    return names;
}

// The quantities with a name whose match key passes the test, in catalogue order.
template <typename Test> std::vector<const QuantityDef *> quantitiesWhere(Test keyFits)
{
    std::vector<const QuantityDef *> found;
    for (const QuantityDef &q : catalogue()) {
        const auto names = quantityNames(q);
        if (std::any_of(names.begin(), names.end(), [&](std::string_view name) { return keyFits(matchKey(name)); }))
            found.push_back(&q);
    }
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

std::vector<const QuantityDef *> findQuantities(std::string_view name)
{
    const std::string key = matchKey(name);
    if (key.empty())
        return {};
    std::vector<const QuantityDef *> found = quantitiesWhere([&](const std::string &k) { return k == key; });
    if (found.empty())
        found = quantitiesWhere([&](const std::string &k) { return k.starts_with(key); });
    return found;
}

const QuantityDef *findQuantity(std::string_view name)
{
    const std::vector<const QuantityDef *> found = findQuantities(name);
    return found.size() == 1 ? found.front() : nullptr;
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

std::string looseKey(std::string_view name)
{
    std::string spelled = spellingKey(name);
    std::erase_if(spelled, [](char c) { return c == ' ' || c == '\t'; });
    // Within each run between "/", "(" and ")" the factors of a product,
    // separated by ".", are put in order.
    std::string key;
    std::string_view rest = spelled;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of("/()"), rest.size());
        std::vector<std::string_view> factors;
        for (std::string_view run = rest.substr(0, end);;) {
            const std::size_t dot = run.find('.');
            factors.push_back(run.substr(0, dot));
            if (dot == std::string_view::npos)
                break;
            run.remove_prefix(dot + 1);
        }
        std::sort(factors.begin(), factors.end());
        for (std::size_t i = 0; i < factors.size(); ++i) {
            if (i > 0)
                key += '.';
            key += factors[i];
        }
        if (end < rest.size())
            key += rest[end];
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return key;
}

std::vector<int> findUnits(const QuantityDef &quantity, std::string_view name)
{
    const std::string_view typed = trimBlanks(name);
    for (const NameKey key : {asWritten, lowerCase, spellingKey, looseKey}) {
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
