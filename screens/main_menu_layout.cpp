// SPDX-License-Identifier: MIT
#include "main_menu_layout.h"

namespace quantora {

std::span<const MenuEntryLayout> menuEntryLayouts()
{
    // Positions in twips within each entry's frame, frame by frame, left to right.
    // clang-format off
    static const MenuEntryLayout layouts[] = {
        {"Lengthcmd",                  {240, 380, 480, 480}, 5, "lengthlbl",                {240, 945, 510, 225}, CaptionLayout::AutoSize},
        {"VolumeCmd",                  {1320, 380, 480, 480}, 4, "VolumeLbl",                {1320, 950, 540, 225}, CaptionLayout::AutoSize},
        {"MassCmd",                    {2160, 380, 480, 480}, 3, "MassLbl",                  {2280, 950, 390, 225}, CaptionLayout::AutoSize},
        {"PressureCmd",                {3120, 380, 480, 480}, 2, "PressureLbl",              {3120, 950, 660, 225}, CaptionLayout::AutoSize},
        {"TemperatureCmd",             {4080, 380, 480, 480}, 1, "TemperatureLbl",           {4080, 950, 975, 225}, CaptionLayout::AutoSize},
        {"AreaCmd",                    {5280, 380, 480, 480}, 6, "AreaLbl",                  {5400, 950, 375, 225}, CaptionLayout::AutoSize},
        {"VelocityCmd",                {6120, 380, 480, 480}, 16, "VelocityLbl",              {6120, 950, 630, 225}, CaptionLayout::AutoSize},
        {"MassFlowRateCmd",            {120, 360, 480, 480}, 23, "MassFlowRateLbl",          {120, 945, 615, 705}, CaptionLayout::Centred},
        {"CmdVolumeFlowRate",          {840, 380, 600, 600}, 21, "LblVolumeFlowRate",        {720, 945, 840, 585}, CaptionLayout::Centred},
        {"IdealGasVolumeCmd",          {1440, 255, 480, 480}, 57, "IdealGasVolumeLbl",        {1440, 825, 720, 825}, CaptionLayout::Centred},
        {"DensityCmd",                 {2280, 390, 525, 600}, 56, "DensityLbl",               {2280, 1080, 585, 225}, CaptionLayout::AutoSize},
        {"DynamicViscosityCmd",        {3120, 380, 480, 480}, 19, "DynamicViscosityLbl",      {3000, 945, 780, 585}, CaptionLayout::Left},
        {"CmdKinematicViscosity",      {3840, 375, 480, 480}, 22, "LblKinematicViscosity",    {3720, 945, 795, 585}, CaptionLayout::Centred},
        {"CmdDensityOfHeatFlowRate",   {4800, 380, 480, 480}, 20, "DensityOfHeatFlowRateLbl", {4680, 945, 900, 675}, CaptionLayout::Centred},
        {"ConcentrationCmd",           {5760, 360, 480, 480}, 55, "ConcentrationLbl",         {5640, 960, 1080, 225}, CaptionLayout::AutoSize},
        {"MolarConcentrationCmd",      {6840, 360, 480, 480}, 64, "MolarConcentrationLbl",    {6600, 960, 1260, 585}, CaptionLayout::Centred},
        {"IdealGasConstantCmd",        {7920, 255, 480, 480}, 63, "IdealGasConstantLbl",      {7920, 825, 720, 780}, CaptionLayout::Centred},
        {"ArrheniusConstantCmd",       {9000, 360, 480, 480}, 67, "ArrheniusConstantLbl",     {8880, 960, 885, 585}, CaptionLayout::Centred},
        {"ActivationEnergyCmd",        {240, 480, 480, 480}, 30, "ActivationEnergyLbl",      {120, 1050, 795, 585}, CaptionLayout::Centred},
        {"CmdSpecificEnergy",          {1200, 480, 480, 480}, 32, "lblSpecificEnergy",        {1080, 1050, 795, 465}, CaptionLayout::Centred},
        {"EnergyCmd",                  {2040, 360, 540, 645}, 34, "EnergyLbl",                {2040, 1080, 615, 705}, CaptionLayout::Centred},
        {"PowerCmd",                   {2760, 480, 480, 480}, 36, "PowerLbl",                 {2760, 1050, 465, 225}, CaptionLayout::AutoSize},
        {"ForceCmd",                   {3480, 480, 480, 480}, 37, "ForceLbl",                 {3360, 1050, 795, 345}, CaptionLayout::Centred},
        {"cmdTorque",                  {4200, 480, 480, 480}, 40, "LblTorque",                {4200, 1050, 540, 225}, CaptionLayout::AutoSize},
        {"CmdStress",                  {4920, 480, 480, 480}, 53, "LblStress",                {4920, 1050, 495, 225}, CaptionLayout::AutoSize},
        {"SurfaceTensionCmd",          {5640, 480, 705, 555}, 61, "SurfaceTensionLbl",        {5640, 1050, 720, 465}, CaptionLayout::Centred},
        {"CmdCalorificValue",          {120, 400, 480, 480}, 47, "lblCalorificValue",        {120, 900, 810, 465}, CaptionLayout::Centred},
        {"SpecificHeatCapacityCmd",    {960, 400, 495, 495}, 45, "SpecificHeatCapacityLbl",  {960, 900, 795, 465}, CaptionLayout::Centred},
        {"ThermalConductivityCmd",     {2040, 400, 480, 480}, 43, "ThermalConductivityLbl",   {1800, 900, 1050, 585}, CaptionLayout::Centred},
        {"HeatTransferCoefficientCmd", {3000, 400, 480, 480}, 49, "HeatTransferCoefLbl",      {2880, 900, 960, 825}, CaptionLayout::Centred},
        {"EnthalpyCmd",                {3960, 405, 480, 480}, 51, "EnthalpyLbl",              {3960, 900, 660, 225}, CaptionLayout::AutoSize},
    };
    // clang-format on
    return layouts;
}

} // namespace quantora
