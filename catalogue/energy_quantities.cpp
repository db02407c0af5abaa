// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Energy/Power Related", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> energyQuantities()
{
    using namespace defined;
    // clang-format off
    return {
    {
        .button = "ActivationEnergyCmd", .label = "ActivationEnergyLbl", .caption = translatable("Caption", "Activation Energy"),
        .fullName = translatable("Quantity", "Activation Energy"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Activation Energy "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(joule / mole, {
            {"J/mol",      1,            joule / mole},
            {"Btu/lb mol", 1.0 / 0.4298, btuIT / poundMole},
        }),
    },
    {
        .button = "CmdSpecificEnergy", .label = "lblSpecificEnergy", .caption = translatable("Caption", "Specific Energy"),
        .fullName = translatable("Quantity", "Specific Energy"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Specific Energy "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(foot * lbf / pound, {
            {"ft.lbf/lb", 1,         foot * lbf / pound},
            {"kgf.m/kg",  3.28085,   kgf * metre / kilogram},
            {"kJ/kg",     334.553,   1000 * joule / kilogram},
            {"Btu/lb",    778.2,     btuIT / pound},
            {"kcal/kg",   1400.7,    1000 * calorieIT / kilogram},
            {"MJ/kg",     334553.46, 1000000 * joule / kilogram},
            {"Chu/lb",    1400.7,    chu / pound},
            {"J/g",       334.553,   joule / gram},
        }),
    },
    {
        .button = "EnergyCmd", .label = "EnergyLbl", .caption = translatable("Caption", "Energy Work Heat"),
        .fullName = translatable("Quantity", "Energy, Work, Heat"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Energy, Work, Heat "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(joule, {
            {"J",      1,                  joule,              "joule;joules"},
            {"ft.lbf", 1.3558,             foot * lbf,         "ft-lbf"},
            {"cal",    4.1868,             calorieIT,          "calorie;calories"},
            {"kgf.m",  9.8066,             kgf * metre},
            {"kJ",     pw(10, 3),          1000 * joule},
            {"BTU",    1055.1,             btuIT},
            {"Chu",    1899.1,             chu},
            {"kcal",   4186.8,             1000 * calorieIT,   "kilocalorie;kilocalories"},
            {"MJ",     pw(10, 6),          1000000 * joule},
            {"hp.h",   pw(10, 6) * 2.6845, horsepower * hour,  "hph"},
            {"kW.h",   pw(10, 6) * 3.6,    1000 * watt * hour, "kWh"},
            {"W.s",    1,                  watt * second,      "Ws"},
            {"erg",    pw(10, -7),         erg},
            {"therm",  pw(10, 8) * 1.0551, therm},
        }),
    },
    {
        .button = "PowerCmd", .label = "PowerLbl", .caption = translatable("Caption", "Power"),
        .fullName = translatable("Quantity", "Power"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Power "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(btuIT / hour, {
            {"Btu/h",                                      1,                  btuIT / hour,        "Btu/hr"},
            {"Chu/h",                                      1.8,                chu / hour},
            {"Watt",                                       3.4121,             watt,                "W;watts"},
            {"kcal/h",                                     3.9683,             1000 * calorieIT / hour},
            {"Joule/sec",                                  3.4121,             joule / second,      "J/s"},
            {"ft·lbf/sec",                                 4.626,              foot * lbf / second, "ft.lbf/s"},
            {"kgf.m/s",                                    33.46,              kgf * metre / second},
            {translatable("Unit", "Metric hp"),            2510,               metricHorsepower},
            {"hp",                                         2544,               horsepower,          "horsepower"},
            {"kW",                                         3412.1,             1000 * watt,         "kilowatt;kilowatts"},
            {"tcal/h",                                     3968.3,             1000000 * calorieIT / hour},
            {"MW",                                         pw(10, 6) * 3.4121, 1000000 * watt,      "megawatt;megawatts"},
            {translatable("Unit", "ton of Refrigeration"), 12000,              tonOfRefrigeration,  "TR"},
        }),
    },
    {
        .button = "ForceCmd", .label = "ForceLbl", .caption = translatable("Caption", "Force"),
        .fullName = translatable("Quantity", "Force"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Force "), .note = translatable("Note", "The kgf is sometimes known as kilopond (kp) "),
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(poundal, {
            {"pdl",      1,         poundal, "poundal;poundals"},
            {"N",        7.233,     newton,  "newton;newtons"},
            {"lb.f",     32.174,    lbf,     "lbf"},
            {"kg.f",     70.93,     kgf,     "kgf"},
            {"kN",       7233,      1000 * newton},
            {"UK ton f", 72070,     ukTon * standardGravity},
            {"kp",       70.93,     kgf},
            {"dyn",      7.233E-05, dyne,    "dyne;dynes"},
        }),
    },
    {
        .button = "cmdTorque", .label = "LblTorque", .caption = translatable("Caption", "Torque"),
        .fullName = translatable("Quantity", "Torque"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Torque "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(poundal * foot, {
            {"pdl.ft",      1,         poundal * foot},
            {"N.m",         23.73,     newton * metre, "Nm"},
            {"lbf.in",      2.681,     lbf * inch,     "in-lbf"},
            {"kg.f.m",      232.7,     kgf * metre,    "kgf.m"},
            {"lbf.ft",      32.17,     lbf * foot,     "ft-lbf;lb.ft"},
            {"UK ton f.in", 6006,      ukTon * standardGravity * inch},
            {"UK ton f.ft", 72070,     ukTon * standardGravity * foot},
            {"dyn.cm",      2.373E-06, dyne * centimetre},
        }),
    },
    {
        .button = "CmdStress", .label = "LblStress", .caption = translatable("Caption", "Stress"),
        .fullName = translatable("Quantity", "Stress"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Stress "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(dyne / (centimetre * centimetre), {
            {"dyn/cm²",     1,                 dyne / (centimetre * centimetre)},
            {"N/m²",        10,                pascal,                             "Pa"},
            {"pdl/ft²",     14.88,             poundal / (foot * foot)},
            {"lbf/ft²",     478.8,             lbf / (foot * foot),                "psf"},
            {"kN/m²",       pw(10, 4),         1000 * pascal,                      "kPa"},
            {"lbf/in²",     pw(10, 4) * 6.895, lbf / (inch * inch),                "psi"},
            {"kgf/cm²",     pw(10, 5) * 9.807, kgf / (centimetre * centimetre)},
            {"MN/m²",       pw(10, 7),         1000000 * pascal},
            {"kgf/mm²",     pw(10, 7) * 9.807, kgf / (millimetre * millimetre)},
            {"hbar",        pw(10, 8),         100 * bar},
            {"UK tonf/in²", pw(10, 8) * 1.544, ukTon * standardGravity / (inch * inch)},
            {"N/mm²",       pw(10, 7),         newton / (millimetre * millimetre), "MPa"},
        }),
    },
    {
        .button = "SurfaceTensionCmd", .label = "SurfaceTensionLbl", .caption = translatable("Caption", "Surface Tension"),
        .fullName = translatable("Quantity", "Surface Tension"),
        .frame = MenuFrame::Frame2, .titleWord = translatable("Title", "Surface Tension "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(dyne / centimetre, {
            {"dyne/cm", 1,          dyne / centimetre, "dyn/cm"},
            {"N/m",     1000,       newton / metre},
            {"lb/ft",   14593.9062, lbf / foot},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
