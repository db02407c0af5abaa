// SPDX-License-Identifier: MIT
#include "catalogue.h"

#include <algorithm>
#include <functional>

namespace quantora {

namespace {

std::vector<QuantityDef> buildCatalogue()
{
    std::vector<QuantityDef> all;
    for (auto frame : {basicQuantities(), flowQuantities(), energyQuantities(), heatQuantities()})
        std::move(frame.begin(), frame.end(), std::back_inserter(all));
    return all;
}

} // namespace

std::span<const QuantityDef> catalogue()
{
    static const std::vector<QuantityDef> all = buildCatalogue();
    return all;
}

const QuantityDef *findByButton(std::string_view button)
{
    const auto all = catalogue();
    const auto it = std::find_if(all.begin(), all.end(), [&](const QuantityDef &q) { return q.button == button; });
    return it == all.end() ? nullptr : &*it;
}

std::size_t catalogueIndex(const QuantityDef &quantity)
{
    const auto all = catalogue();
    // Compared as addresses in general, so that a record from elsewhere is
    // told apart without undefined pointer arithmetic.
    const std::less<const QuantityDef *> before;
    if (before(&quantity, all.data()) || !before(&quantity, all.data() + all.size()))
        return quantityCount;
    return static_cast<std::size_t>(&quantity - all.data());
}

std::string_view frameName(MenuFrame frame)
{
    switch (frame) {
    case MenuFrame::Frame1:
        return "Frame1";
    case MenuFrame::FlowRelated:
        return "FlowRelated";
    case MenuFrame::Frame2:
        return "Frame2";
    case MenuFrame::Frame3:
        return "Frame3";
    }
    return {};
}

std::string_view frameCaption(MenuFrame frame)
{
    switch (frame) {
    case MenuFrame::Frame1:
        return translatable("Frame", "Basic Conversion");
    case MenuFrame::FlowRelated:
        return translatable("Frame", "Flow/Volume/Density Related");
    case MenuFrame::Frame2:
        return translatable("Frame", "Energy/Power Related");
    case MenuFrame::Frame3:
        return translatable("Frame", "Heat Related");
    }
    return {};
}

} // namespace quantora
