// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Basic Conversion", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> basicQuantities()
{
    // clang-format off
    return {
    {
        .button = "Lengthcmd", .label = "lengthlbl", .caption = "Length",
        .fullName = "Length",
        .frame = MenuFrame::Frame1, .titleWord = "Length ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits({
            {"mm",   0.1},
            {"cm",   1},
            {"dm",   10},
            {"m",    100},
            {"km",   100000},
            {"in",   2.54},
            {"ft",   30.48},
            {"mile", 160934.4},
            {"Yard", 91.44},
            {"µm",   1.0 / pw(10, 4)},
            {"A",    1.0 / pw(10, 8)},
        }),
    },
    {
        .button = "VolumeCmd", .label = "VolumeLbl", .caption = "Volume",
        .fullName = "Volume",
        .frame = MenuFrame::Frame1, .titleWord = "Volume ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"Liter",     1},
            {"cm³",       1.0 / 1000},
            {"ml",        1.0 / 1000},
            {"dm³",       1},
            {"m³",        1000},
            {"US gal",    3.785},
            {"Imp gal",   1.0 / 0.22},
            {"Barrel",    119.246363},
            {"ft³",       28.32},
            {"UK Pint",   0.568182},
            {"in³",       0.016387},
            {"mm³",       1.0 / 1000000},
            {"UK gal",    4.546},
            {"Yd³",       764.53},
            {"US Barrel", 158.97},
            {"Fluid oz",  0.02841},
        }),
    },
    {
        .button = "MassCmd", .label = "MassLbl", .caption = "Mass",
        .fullName = "Mass",
        .frame = MenuFrame::Frame1, .titleWord = "Mass ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"gm",                 1},
            {"µgm",                1.0 / pw(10, 6)},
            {"mg",                 0.001},
            {"cg",                 0.01},
            {"Carat",              0.2},
            {"kg",                 1000},
            {"UK ton",             pw(10, 6) * 1.01605},
            {"US ton (Short ton)", 907185},
            {"Metric ton",         pw(10, 6)},
            {"lb",                 453.592},
            {"Ounce",              28.3495},
            {"Stone",              6350.293617},
            {"Guintal",            pw(10, 5)},
        }),
    },
    {
        .button = "PressureCmd", .label = "PressureLbl", .caption = "Pressure",
        .fullName = "Pressure",
        .frame = MenuFrame::Frame1, .titleWord = "Pressure ", .note = "Water at 4'C   and Mercury at 0'C",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyne/cm²", 1},
            {"N/m²",     10},
            {"lbf/ft²",  478.8},
            {"mbar",     1000},
            {"mm Hg",    1333},
            {"in H2O",   2491},
            {"kN/m²",    pw(10, 4)},
            {"in Hg",    pw(10, 4) * 3.386},
            {"lbf/in²",  pw(10, 4) * 6.895},
            {"kgf/cm²",  pw(10, 5) * 9.807},
            {"bar",      pw(10, 6)},
            {"atm",      pw(10, 6) * 1.013},
            {"ft H2O",   29892},
            {"Pa",       10},
            {"kPa",      10000},
            {"torr",     1333},
        }),
    },
    {
        .button = "TemperatureCmd", .label = "TemperatureLbl", .caption = "Temperature",
        .fullName = "Temperature",
        .frame = MenuFrame::Frame1, .titleWord = "Temperature ", .note = "",
        .mode = ConversionMode::Temperature, .defaultUnit = 0,
        .units = makeUnits({
            {"°C ", 1},
            {"°F",  1},
            {"K",   1},
            {"°R",  1},
        }),
    },
    {
        .button = "AreaCmd", .label = "AreaLbl", .caption = "Area",
        .fullName = "Area",
        .frame = MenuFrame::Frame1, .titleWord = "Area ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits({
            {"mm²",   0.01},
            {"cm²",   1},
            {"dm²",   100},
            {"m²",    10000},
            {"km²",   pw(10, 10)},
            {"in²",   6.4516},
            {"ft²",   929.0304},
            {"mile²", pw(10, 10) * 2.58998811},
            {"Yd²",   8361.2736},
        }),
    },
    {
        .button = "VelocityCmd", .label = "VelocityLbl", .caption = "Velocity",
        .fullName = "Velocity",
        .frame = MenuFrame::Frame1, .titleWord = "Velocity ", .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"km/h",     1},
            {"cm/s",     3600.0 / pw(10, 5)},
            {"m/s",      3600.0 / 1000},
            {"m/min",    60.0 / 1000},
            {"mm/s",     3600.0 / pw(10, 6)},
            {"km/s",     3600},
            {"ft/min",   1828.8 / pw(10, 5)},
            {"ft/s",     109728.0 / pw(10, 5)},
            {"in/s",     1828.8 / 12 * 60.0 / pw(10, 5)},
            {"mile/h",   1.609344},
            {"mile/s",   3600.0 / 0.6213711922},
            {"yard/min", 60.0 / pw(10, 5) * 91.44},
            {"yard/s",   3600.0 / pw(10, 5) * 91.44},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
