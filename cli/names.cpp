// SPDX-License-Identifier: MIT
#include "names.h"

#include "catalogue.h"
#include "lookup.h"

namespace quantora {

namespace {

// Names nobody would type twice (a batch of garbage) are looked up afresh
// rather than kept, so that the cache stays small.
constexpr std::size_t cacheLimit = 4096;

std::string quotedList(const std::vector<std::string_view> &names, std::string_view lastSeparator)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? lastSeparator : ", ";
        list += '"';
        list += names[i];
        list += '"';
    }
    return list;
}

} // namespace

const NameCache::Quantity &NameCache::quantity(std::string_view name)
{
    if (const auto known = quantities_.find(name); known != quantities_.end())
        return known->second;
    Quantity lookup{.found = findQuantity(name), .problem = {}};
    if (!lookup.found)
        lookup.problem = quantityProblemMessage(name);
    if (quantities_.size() < cacheLimit)
        return quantities_.emplace(name, std::move(lookup)).first->second;
    return uncachedQuantity_ = std::move(lookup);
}

const NameCache::Unit &NameCache::unit(const QuantityDef &quantity, std::string_view name)
{
    auto &names = units_[&quantity];
    if (const auto known = names.find(name); known != names.end())
        return known->second;
    const std::vector<int> found = findUnits(quantity, name);
    Unit lookup{.position = found.size() == 1 ? found.front() : -1, .problem = {}};
    if (found.size() != 1)
        lookup.problem = unitProblemMessage(quantity, name, found);
    if (names.size() < cacheLimit)
        return names.emplace(name, std::move(lookup)).first->second;
    return uncachedUnit_ = std::move(lookup);
}

std::string quantityProblemMessage(std::string_view name)
{
    const std::vector<const QuantityDef *> found = findQuantities(name);
    if (!found.empty()) {
        std::vector<std::string_view> names;
        for (const QuantityDef *q : found)
            names.push_back(q->fullName);
        return "quantity \"" + std::string(name) + "\" could be " + quotedList(names, " or ");
    }
    std::string message = "unknown quantity \"" + std::string(name) + "\"; choose one of: ";
    bool first = true;
    for (const QuantityDef &q : catalogue()) {
        if (!first)
            message += ", ";
        message += q.fullName;
        first = false;
    }
    return message;
}

std::string unitProblemMessage(const QuantityDef &quantity, std::string_view name, std::span<const int> positions)
{
    const std::string_view caption = quantity.fullName;
    std::vector<std::string_view> names;
    if (positions.empty()) {
        for (const UnitEntry &unit : quantity.units)
            names.push_back(trimBlanks(unit.name));
        return "unknown unit \"" + std::string(name) + "\" of " + std::string(caption) +
               "; choose one of: " + quotedList(names, ", ");
    }
    for (const int position : positions)
        names.push_back(trimBlanks(quantity.units[static_cast<std::size_t>(position)].name));
    return "unit \"" + std::string(name) + "\" of " + std::string(caption) + " could be " + quotedList(names, " or ");
}

} // namespace quantora
