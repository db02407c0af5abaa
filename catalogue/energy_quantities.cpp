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
        .button = "ActivationEnergyCmd", .label = "ActivationEnergyLbl", .caption = translatable("Caption", "Activation Energy"),
        .fullName = translatable("Quantity", "Activation Energy"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Activation Energy "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J/mol",      1},
            {"Btu/lb mol", 1.0 / 0.4298},
        }),
    },
    {
        .button = "CmdSpecificEnergy", .label = "lblSpecificEnergy", .caption = translatable("Caption", "Specific Energy"),
        .fullName = translatable("Quantity", "Specific Energy"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Specific Energy "), .note = "",
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
        .button = "EnergyCmd", .label = "EnergyLbl", .caption = translatable("Caption", "Energy Work Heat"),
        .fullName = translatable("Quantity", "Energy, Work, Heat"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Energy, Work, Heat "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J",      1,                  "joule;joules"},
            {"ft.lbf", 1.3558,             "ft-lbf"},
            {"cal",    4.1868,             "calorie;calories"},
            {"kgf.m",  9.8066},
            {"kJ",     pw(10, 3)},
            {"BTU",    1055.1},
            {"Chu",    1899.1},
            {"kcal",   4186.8,             "kilocalorie;kilocalories"},
            {"MJ",     pw(10, 6)},
            {"hp.h",   pw(10, 6) * 2.6845, "hph"},
            {"kW.h",   pw(10, 6) * 3.6,    "kWh"},
            {"W.s",    1,                  "Ws"},
            {"erg",    pw(10, -7)},
            {"therm",  pw(10, 8) * 1.0551},
        }),
    },
    {
        .button = "PowerCmd", .label = "PowerLbl", .caption = translatable("Caption", "Power"),
        .fullName = translatable("Quantity", "Power"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Power "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"Btu/h",                1,                  "Btu/hr"},
            {"Chu/h",                1.8},
            {"Watt",                 3.4121,             "W;watts"},
            {"kcal/h",               3.9683},
            {"Joule/sec",            3.4121,             "J/s"},
            {"ft·lbf/sec",           4.626,              "ft.lbf/s"},
            {"kgf.m/s",              33.46},
            {translatable("Unit", "Metric hp"),            2510},
            {"hp",                   2544,               "horsepower"},
            {"kW",                   3412.1,             "kilowatt;kilowatts"},
            {"tcal/h",               3968.3},
            {"MW",                   pw(10, 6) * 3.4121, "megawatt;megawatts"},
            {translatable("Unit", "ton of Refrigeration"), 12000,              "TR"},
        }),
    },
    {
        .button = "ForceCmd", .label = "ForceLbl", .caption = translatable("Caption", "Force"),
        .fullName = translatable("Quantity", "Force"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Force "), .note = translatable("Note", "The kgf is sometimes known as kilopond (kp) "),
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"pdl",      1,         "poundal;poundals"},
            {"N",        7.233,     "newton;newtons"},
            {"lb.f",     32.174,    "lbf"},
            {"kg.f",     70.93,     "kgf"},
            {"kN",       7233},
            {"UK ton f", 72070},
            {"kp",       70.93},
            {"dyn",      7.233E-05, "dyne;dynes"},
        }),
    },
    {
        .button = "cmdTorque", .label = "LblTorque", .caption = translatable("Caption", "Torque"),
        .fullName = translatable("Quantity", "Torque"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Torque "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"pdl.ft",      1},
            {"N.m",         23.73,     "Nm"},
            {"lbf.in",      2.681,     "in-lbf"},
            {"kg.f.m",      232.7,     "kgf.m"},
            {"lbf.ft",      32.17,     "ft-lbf;lb.ft"},
            {"UK ton f.in", 6006},
            {"UK ton f.ft", 72070},
            {"dyn.cm",      2.373E-06},
        }),
    },
    {
        .button = "CmdStress", .label = "LblStress", .caption = translatable("Caption", "Stress"),
        .fullName = translatable("Quantity", "Stress"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Stress "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyn/cm²",     1},
            {"N/m²",        10,                "Pa"},
            {"pdl/ft²",     14.88},
            {"lbf/ft²",     478.8,             "psf"},
            {"kN/m²",       pw(10, 4),         "kPa"},
            {"lbf/in²",     pw(10, 4) * 6.895, "psi"},
            {"kgf/cm²",     pw(10, 5) * 9.807},
            {"MN/m²",       pw(10, 7)},
            {"kgf/mm²",     pw(10, 7) * 9.807},
            {"hbar",        pw(10, 8)},
            {"UK tonf/in²", pw(10, 8) * 1.544},
            {"N/mm²",       pw(10, 7),         "MPa"},
        }),
    },
    {
        .button = "SurfaceTensionCmd", .label = "SurfaceTensionLbl", .caption = translatable("Caption", "Surface Tension"),
        .fullName = translatable("Quantity", "Surface Tension"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Surface Tension "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyne/cm", 1,          "dyn/cm"},
            {"N/m",     1000},
            {"lb/ft",   14593.9062},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
