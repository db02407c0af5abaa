// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quantora {

// Remembers what each quantity and unit name typed so far stands for, so that a
// batch of many lines looks each distinct name up once.
class NameCache {
public:
    // The one quantity a typed name stands for (findQuantity), or nullptr;
    // quantityProblemMessage then tells why.
    const QuantityDef *quantity(std::string_view name);
    // The position of the one unit a typed name stands for (findUnit), or -1
    // when it stands for none or several; findUnits then tells which.
    int unit(const QuantityDef &quantity, std::string_view name);

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
    };
    template <typename T> using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

    TextMap<const QuantityDef *> quantities_;
    std::unordered_map<const QuantityDef *, TextMap<int>> units_;
};

// Why a quantity name found no single quantity: unknown ("unknown quantity "x";
// choose one of: Length, Volume, ...") or ambiguous (the quantities it could be).
std::string quantityProblemMessage(std::string_view name);

// Why a unit name found no single unit: unknown (no positions, with the
// quantity's units to choose from) or ambiguous (the units it could be).
std::string unitProblemMessage(const QuantityDef &quantity, std::string_view name, std::span<const int> positions);

} // namespace quantora
