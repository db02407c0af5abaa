// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace quantora {

// How many quantities the catalogue holds.
inline constexpr std::size_t quantityCount = 31;

// All 31 quantities in main-menu order: frame by frame from top to bottom
// (Frame1, FlowRelated, Frame2, Frame3), left to right within a frame.
// Built once on first use; the factors never change at run time.
std::span<const QuantityDef> catalogue();

// The quantities of one frame, in the order their buttons stand in it.
std::vector<QuantityDef> basicQuantities();  // Frame1
std::vector<QuantityDef> flowQuantities();   // FlowRelated
std::vector<QuantityDef> energyQuantities(); // Frame2
std::vector<QuantityDef> heatQuantities();   // Frame3

// The quantity whose picture button has this objectName, or nullptr.
const QuantityDef *findByButton(std::string_view button);

// The quantity's position in catalogue(); quantityCount for a record that is
// not one of the catalogue's own.
std::size_t catalogueIndex(const QuantityDef &quantity);

// objectName and caption of the main-menu frame.
std::string_view frameName(MenuFrame frame);
std::string_view frameCaption(MenuFrame frame);

} // namespace quantora
