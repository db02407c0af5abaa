// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quantora {

// Remembers what each quantity and unit name typed so far stands for, and why
// it stands for none, so that a batch of many lines looks each distinct name
// up, and words its problem, once.
class NameCache {
public:
    // A typed name as looked up: what it stands for, or the message that says
    // why it stands for nothing (quantityProblemMessage, unitProblemMessage).
    struct Quantity {
        const QuantityDef *found = nullptr;
        std::string problem;
    };
    struct Unit {
        int position = -1; // the one unit the name stands for, or -1
        std::string problem;
    };

    // Valid until the next call.
    const Quantity &quantity(std::string_view name);
    const Unit &unit(const QuantityDef &quantity, std::string_view name);

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
    };
    template <typename T> using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

    TextMap<Quantity> quantities_;
    std::unordered_map<const QuantityDef *, TextMap<Unit>> units_;
    Quantity uncachedQuantity_; // lookups made once the cache is full
    Unit uncachedUnit_;
};

// Why a quantity name found no single quantity: unknown ("unknown quantity "x";
// choose one of: Length, Volume, ...") or ambiguous (the quantities it could be).
std::string quantityProblemMessage(std::string_view name);

// Why a unit name found no single unit: unknown (no positions, with the
// quantity's units to choose from) or ambiguous (the units it could be).
std::string unitProblemMessage(const QuantityDef &quantity, std::string_view name, std::span<const int> positions);

} // namespace quantora
