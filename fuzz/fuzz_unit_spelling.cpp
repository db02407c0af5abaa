// SPDX-License-Identifier: MIT
// Fuzzes the lookup of typed unit and quantity names. The first byte picks the
// quantity, the rest is the name as typed. Properties:
//  - the units found are distinct positions of the quantity, in list order;
//  - every unit found has a name or other name with the same loose key
//    (blanks and the order of products ignored) as the typed name, since each
//    step of the lookup is a stricter form of that last one;
//  - a name that finds no single unit has a message that quotes it;
//  - the loose key is the same for the typed name with its products reversed;
//  - the quantities the same text names are distinct, each with a name whose
//    match key begins with the typed one, and an unknown or ambiguous name has
//    a message that quotes it.
#include "catalogue.h"
#include "fuzz_support.h"
#include "lookup.h"
#include "names.h"

#include <algorithm>
#include <set>
#include <string>

using quantora::fuzz::require;

namespace {

// The text with the two factors of a product "a.b" swapped, when it is one.
std::string swappedProduct(std::string_view text)
{
    const auto dot = text.find('.');
    if (dot == std::string_view::npos || text.find_first_of("./()", dot + 1) != std::string_view::npos ||
        text.find_first_of("/()*^") != std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(dot + 1)) + "." + std::string(text.substr(0, dot));
}

void checkUnits(const quantora::QuantityDef &quantity, std::string_view typed)
{
    const std::vector<int> found = quantora::findUnits(quantity, typed);
    const std::string typedKey = quantora::looseKey(quantora::trimBlanks(typed));
    int previous = -1;
    for (const int position : found) {
        require(position > previous && position < static_cast<int>(quantity.units.size()),
                "distinct positions in list order", typed);
        previous = position;
        const quantora::UnitEntry &unit = quantity.units[static_cast<std::size_t>(position)];
        bool sameKey = quantora::looseKey(quantora::trimBlanks(unit.name)) == typedKey;
        for (const std::string &other : unit.otherNames)
            sameKey = sameKey || quantora::looseKey(other) == typedKey;
        require(sameKey, "same loose key", unit.name);
    }
    if (found.size() != 1) {
        const std::string message = quantora::unitProblemMessage(quantity, typed, found);
        require(message.find("\"" + std::string(typed) + "\"") != std::string::npos, "the message quotes the name",
                message);
    }
    require(quantora::looseKey(swappedProduct(quantora::trimBlanks(typed))) == typedKey,
            "a product's order does not matter", typed);
}

void checkQuantities(std::string_view typed)
{
    const auto found = quantora::findQuantities(typed);
    const std::string key = quantora::matchKey(typed);
    require(std::set(found.begin(), found.end()).size() == found.size(), "distinct quantities", typed);
    for (const quantora::QuantityDef *q : found) {
        bool begins = false;
        for (const std::string_view name :
             {std::string_view(q->caption), std::string_view(q->titleWord), std::string_view(q->fullName)})
            begins = begins || quantora::matchKey(name).starts_with(key);
        for (const std::string &name : q->otherNames)
            begins = begins || quantora::matchKey(name).starts_with(key);
        require(!key.empty() && begins, "a quantity found has a name that begins with the typed one", q->fullName);
    }
    require((quantora::findQuantity(typed) != nullptr) == (found.size() == 1), "one quantity or none", typed);
    if (found.size() != 1) {
        const std::string message = quantora::quantityProblemMessage(typed);
        require(message.find("\"" + std::string(typed) + "\"") != std::string::npos, "the message quotes the name",
                message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto quantities = quantora::catalogue();
    const quantora::QuantityDef &quantity = quantities[data[0] % quantities.size()];
    const std::string_view typed = quantora::fuzz::textOf(data + 1, size - 1);
    checkUnits(quantity, typed);
    checkQuantities(typed);
    return 0;
}
