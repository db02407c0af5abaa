// SPDX-License-Identifier: MIT
#include "main_menu_layout.h"

#include "catalogue.h"

#include <iterator>

namespace quantora {

namespace {

// One row per quantity, in catalogue order: frame by frame, left to right,
// each named by its picture. Positions are in twips within the entry's frame.
// Pictures are 32 × 32 icons, the pixel size of bitmaps, or the box of vector pictures.
// clang-format off
constexpr MenuEntryLayout layouts[] = {
    // picture                  size       button rect            tab  label rect              caption layout           caption colour
    {"length",                   {32, 32}, {240, 380, 480, 480},  5,  {240, 945, 510, 225},   CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"volume",                   {32, 32}, {1320, 380, 480, 480}, 4,  {1320, 950, 540, 225},  CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"mass",                     {32, 32}, {2160, 380, 480, 480}, 3,  {2280, 950, 390, 225},  CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"pressure",                 {32, 32}, {3120, 380, 480, 480}, 2,  {3120, 950, 660, 225},  CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"temperature",              {32, 32}, {4080, 380, 480, 480}, 1,  {4080, 950, 975, 225},  CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"area",                     {32, 32}, {5280, 380, 480, 480}, 6,  {5400, 950, 375, 225},  CaptionLayout::AutoSize, CaptionColour::Desktop},
    {"velocity",                 {32, 32}, {6120, 380, 480, 480}, 16, {6120, 950, 630, 225},  CaptionLayout::AutoSize, CaptionColour::Black},
    {"mass-flow-rate",           {32, 32}, {120, 360, 480, 480},  23, {120, 945, 615, 705},   CaptionLayout::Centred,  CaptionColour::Black},
    {"volume-flow-rate",         {32, 32}, {840, 380, 600, 600},  21, {720, 945, 840, 585},   CaptionLayout::Centred,  CaptionColour::Black},
    {"ideal-gas-volume",         {32, 32}, {1440, 255, 480, 480}, 57, {1440, 825, 720, 825},  CaptionLayout::Centred,  CaptionColour::Black},
    {"density",                  {35, 40}, {2280, 390, 525, 600}, 56, {2280, 1080, 585, 225}, CaptionLayout::AutoSize, CaptionColour::Black},
    {"dynamic-viscosity",        {32, 32}, {3120, 380, 480, 480}, 19, {3000, 945, 780, 585},  CaptionLayout::Left,     CaptionColour::Black},
    {"kinematic-viscosity",      {32, 32}, {3840, 375, 480, 480}, 22, {3720, 945, 795, 585},  CaptionLayout::Centred,  CaptionColour::Black},
    {"density-of-heat-flow-rate",{42, 64}, {4800, 380, 480, 480}, 20, {4680, 945, 900, 675},  CaptionLayout::Centred,  CaptionColour::Black},
    {"concentration",            {32, 32}, {5760, 360, 480, 480}, 55, {5640, 960, 1080, 225}, CaptionLayout::AutoSize, CaptionColour::Black},
    {"molar-concentration",      {32, 32}, {6840, 360, 480, 480}, 64, {6600, 960, 1260, 585}, CaptionLayout::Centred,  CaptionColour::Black},
    {"ideal-gas-constant",       {32, 32}, {7920, 255, 480, 480}, 63, {7920, 825, 720, 780},  CaptionLayout::Centred,  CaptionColour::Black},
    {"arrhenius-constant",       {32, 32}, {9000, 360, 480, 480}, 67, {8880, 960, 885, 585},  CaptionLayout::Centred,  CaptionColour::Black},
    {"activation-energy",        {32, 32}, {240, 480, 480, 480},  30, {120, 1050, 795, 585},  CaptionLayout::Centred,  CaptionColour::Black},
    {"specific-energy",          {32, 32}, {1200, 480, 480, 480}, 32, {1080, 1050, 795, 465}, CaptionLayout::Centred,  CaptionColour::Black},
    {"energy",                   {36, 43}, {2040, 360, 540, 645}, 34, {2040, 1080, 615, 705}, CaptionLayout::Centred,  CaptionColour::Black},
    {"power",                    {32, 32}, {2760, 480, 480, 480}, 36, {2760, 1050, 465, 225}, CaptionLayout::AutoSize, CaptionColour::Black},
    {"force",                    {32, 32}, {3480, 480, 480, 480}, 37, {3360, 1050, 795, 345}, CaptionLayout::Centred,  CaptionColour::Black},
    {"torque",                   {32, 32}, {4200, 480, 480, 480}, 40, {4200, 1050, 540, 225}, CaptionLayout::AutoSize, CaptionColour::Black},
    {"stress",                   {32, 32}, {4920, 480, 480, 480}, 53, {4920, 1050, 495, 225}, CaptionLayout::AutoSize, CaptionColour::Black},
    {"surface-tension",          {64, 64}, {5640, 480, 705, 555}, 61, {5640, 1050, 720, 465}, CaptionLayout::Centred,  CaptionColour::Black},
    {"calorific-value",          {32, 32}, {120, 400, 480, 480},  47, {120, 900, 810, 465},   CaptionLayout::Centred,  CaptionColour::Black},
    {"specific-heat-capacity",   {32, 32}, {960, 400, 495, 495},  45, {960, 900, 795, 465},   CaptionLayout::Centred,  CaptionColour::Black},
    {"thermal-conductivity",     {32, 32}, {2040, 400, 480, 480}, 43, {1800, 900, 1050, 585}, CaptionLayout::Centred,  CaptionColour::Black},
    {"heat-transfer-coefficient",{32, 32}, {3000, 400, 480, 480}, 49, {2880, 900, 960, 825},  CaptionLayout::Centred,  CaptionColour::Black},
    {"enthalpy",                 {32, 32}, {3960, 405, 480, 480}, 51, {3960, 900, 660, 225},  CaptionLayout::AutoSize, CaptionColour::Black},
};
// clang-format on
static_assert(std::size(layouts) == quantityCount, "one menu entry for each quantity of the catalogue");

} // namespace

std::span<const MenuEntryLayout> menuEntryLayouts()
{
    return layouts;
}

const MenuEntryLayout *menuEntryLayout(const QuantityDef &quantity)
{
    const std::size_t index = catalogueIndex(quantity);
    return index < std::size(layouts) ? &layouts[index] : nullptr;
}

} // namespace quantora
