// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Energy/Power Related", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> energyQuantities()
{
    // clang-format off
    return {
    {
        .button = "ActivationEnergyCmd", .label = "ActivationEnergyLbl", .caption = "Activation Energy",
        .fullName = "Activation Energy",
        .frame = MenuFrame::Frame2, .titleWord = "Activation Energy ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J/mol",      1},
            {"Btu/lb mol", 1.0 / 0.4298},
        }),
    },
    {
        .button = "CmdSpecificEnergy", .label = "lblSpecificEnergy", .caption = "Specific Energy",
        .fullName = "Specific Energy",
        .frame = MenuFrame::Frame2, .titleWord = "Specific Energy ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"ft.lbf/lb", 1},
            {"kgf.m/kg",  3.28085},
            {"kJ/kg",     334.553},
            {"Btu/lb",    778.2},
            {"kcal/kg",   1400.7},
            {"MJ/kg",     334553.46},
            {"Chu/lb",    1400.7},
            {"J/g",       334.553},
        }),
    },
    {
        .button = "EnergyCmd", .label = "EnergyLbl", .caption = "Energy Work Heat",
        .fullName = "Energy, Work, Heat",
        .frame = MenuFrame::Frame2, .titleWord = "Energy, Work, Heat ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J",      1},
            {"ft.lbf", 1.3558},
            {"cal",    4.1868},
            {"kgf.m",  9.8066},
            {"kJ",     pw(10, 3)},
            {"BTU",    1055.1},
            {"Chu",    1899.1},
            {"kcal",   4186.8},
            {"MJ",     pw(10, 6)},
            {"hp.h",   pw(10, 6) * 2.6845},
            {"kW.h",   pw(10, 6) * 3.6},
            {"W.s",    1},
            {"erg",    pw(10, -7)},
            {"therm",  pw(10, 8) * 1.0551},
        }),
    },
    {
        .button = "PowerCmd", .label = "PowerLbl", .caption = "Power",
        .fullName = "Power",
        .frame = MenuFrame::Frame2, .titleWord = "Power ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"Btu/h",                1},
            {"Chu/h",                1.8},
            {"Watt",                 3.4121},
            {"kcal/h",               3.9683},
            {"Joule/sec",            3.4121},
            {"ft·lbf/sec",           4.626},
            {"kgf.m/s",              33.46},
            {"Metric hp",            2510},
            {"hp",                   2544},
            {"kW",                   3412.1},
            {"tcal/h",               3968.3},
            {"MW",                   pw(10, 6) * 3.4121},
            {"ton of Refrigeration", 12000},
        }),
    },
    {
        .button = "ForceCmd", .label = "ForceLbl", .caption = "Force",
        .fullName = "Force",
        .frame = MenuFrame::Frame2, .titleWord = "Force ", .note = "The kgf is sometimes known as kilopond (kp) ",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"pdl",      1},
            {"N",        7.233},
            {"lb.f",     32.174},
            {"kg.f",     70.93},
            {"kN",       7233},
            {"UK ton f", 72070},
            {"kp",       70.93},
            {"dyn",      7.233E-05},
        }),
    },
    {
        .button = "cmdTorque", .label = "LblTorque", .caption = "Torque",
        .fullName = "Torque",
        .frame = MenuFrame::Frame2, .titleWord = "Torque ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"pdl.ft",      1},
            {"N.m",         23.73},
            {"lbf.in",      2.681},
            {"kg.f.m",      232.7},
            {"lbf.ft",      32.17},
            {"UK ton f.in", 6006},
            {"UK ton f.ft", 72070},
            {"dyn.cm",      2.373E-06},
        }),
    },
    {
        .button = "CmdStress", .label = "LblStress", .caption = "Stress",
        .fullName = "Stress",
        .frame = MenuFrame::Frame2, .titleWord = "Stress ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyn/cm²",     1},
            {"N/m²",        10},
            {"pdl/ft²",     14.88},
            {"lbf/ft²",     478.8},
            {"kN/m²",       pw(10, 4)},
            {"lbf/in²",     pw(10, 4) * 6.895},
            {"kgf/cm²",     pw(10, 5) * 9.807},
            {"MN/m²",       pw(10, 7)},
            {"kgf/mm²",     pw(10, 7) * 9.807},
            {"hbar",        pw(10, 8)},
            {"UK tonf/in²", pw(10, 8) * 1.544},
            {"N/mm²",       pw(10, 7)},
        }),
    },
    {
        .button = "SurfaceTensionCmd", .label = "SurfaceTensionLbl", .caption = "Surface Tension",
        .fullName = "Surface Tension",
        .frame = MenuFrame::Frame2, .titleWord = "Surface Tension ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyne/cm", 1},
            {"N/m",     1000},
            {"lb/ft",   14593.9062},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
