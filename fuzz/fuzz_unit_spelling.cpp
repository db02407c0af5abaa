// SPDX-License-Identifier: MIT
// Fuzzes the lookup of typed unit names. The first byte picks the quantity, the
// rest is the name as typed. Properties:
//  - the units found are distinct positions of the quantity, in list order;
//  - every unit found has the same ASCII spelling as the typed name, since each
//    step of the lookup is a stricter form of that last one;
//  - a name that finds no single unit has a message that quotes it.
#include "catalogue.h"
#include "fuzz_support.h"
#include "lookup.h"
#include "names.h"

#include <string>

using quantora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto quantities = quantora::catalogue();
    const quantora::QuantityDef &quantity = quantities[data[0] % quantities.size()];
    const std::string_view typed = quantora::fuzz::textOf(data + 1, size - 1);

    const std::vector<int> found = quantora::findUnits(quantity, typed);
    const std::string typedKey = quantora::spellingKey(quantora::trimBlanks(typed));
    int previous = -1;
    for (const int position : found) {
        require(position > previous && position < static_cast<int>(quantity.units.size()),
                "distinct positions in list order", typed);
        previous = position;
        const std::string &name = quantity.units[static_cast<std::size_t>(position)].name;
        require(quantora::spellingKey(quantora::trimBlanks(name)) == typedKey, "same ASCII spelling", name);
    }
    if (found.size() != 1) {
        const std::string message = quantora::unitProblemMessage(quantity, typed, found);
        require(message.find("\"" + std::string(typed) + "\"") != std::string::npos, "the message quotes the name",
                message);
    }
    return 0;
}
