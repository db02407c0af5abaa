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
        .button = "Lengthcmd", .label = "lengthlbl", .caption = translatable("Caption", "Length"),
        .fullName = translatable("Quantity", "Length"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Length "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits({
            {"mm",   0.1,             "millimeter;millimeters;millimetre;millimetres"},
            {"cm",   1,               "centimeter;centimeters;centimetre;centimetres"},
            {"dm",   10},
            {"m",    100,             "meter;meters;metre;metres"},
            {"km",   100000,          "kilometer;kilometers;kilometre;kilometres"},
            {"in",   2.54,            "inch;inches"},
            {"ft",   30.48,           "foot;feet"},
            {translatable("Unit", "mile"), 160934.4,        "mi;miles"},
            {translatable("Unit", "Yard"), 91.44,           "yd;yards"},
            {"µm",   1.0 / pw(10, 4), "micron;microns;micrometer;micrometers;micrometre;micrometres"},
            {"A",    1.0 / pw(10, 8), "Å;angstrom;angstroms"},
        }),
    },
    {
        .button = "VolumeCmd", .label = "VolumeLbl", .caption = translatable("Caption", "Volume"),
        .fullName = translatable("Quantity", "Volume"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Volume "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {translatable("Unit", "Liter"),     1,             "L;liters;litre;litres"},
            {"cm³",       1.0 / 1000,    "cc"},
            {"ml",        1.0 / 1000,    "milliliter;milliliters;millilitre;millilitres"},
            {"dm³",       1},
            {"m³",        1000,          "cu m"},
            {translatable("Unit", "US gal"),    3.785,         "gal;gallon;gallons;usgallon"},
            {translatable("Unit", "Imp gal"),   1.0 / 0.22},
            {translatable("Unit", "Barrel"),    119.246363},
            {"ft³",       28.32,         "cu ft;cf"},
            {translatable("Unit", "UK Pint"),   0.568182,      "brpint"},
            {"in³",       0.016387,      "cu in"},
            {"mm³",       1.0 / 1000000},
            {translatable("Unit", "UK gal"),    4.546,         "brgallon"},
            {"Yd³",       764.53,        "cu yd"},
            {translatable("Unit", "US Barrel"), 158.97,        "bbl"},
            {translatable("Unit", "Fluid oz"),  0.02841,       "brfloz"},
        }),
    },
    {
        .button = "MassCmd", .label = "MassLbl", .caption = translatable("Caption", "Mass"),
        .fullName = translatable("Quantity", "Mass"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Mass "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"gm",                 1,                   "g;gram;grams;gramme;grammes"},
            {"µgm",                1.0 / pw(10, 6),     "µg;microgram;micrograms"},
            {"mg",                 0.001,               "milligram;milligrams"},
            {"cg",                 0.01,                "centigram;centigrams"},
            {translatable("Unit", "Carat"),              0.2,                 "ct;carats"},
            {"kg",                 1000,                "kilogram;kilograms"},
            {translatable("Unit", "UK ton"),             pw(10, 6) * 1.01605, "long ton"},
            {translatable("Unit", "US ton (Short ton)"), 907185,              "ton;tons;short ton;US ton"},
            {translatable("Unit", "Metric ton"),         pw(10, 6),           "t;tonne;tonnes"},
            {"lb",                 453.592,             "lbs;lbm;pound;pounds"},
            {translatable("Unit", "Ounce"),              28.3495,             "oz;ounces"},
            {translatable("Unit", "Stone"),              6350.293617,         "stones"},
            {translatable("Unit", "Guintal"),            pw(10, 5),           "quintal"},
        }),
    },
    {
        .button = "PressureCmd", .label = "PressureLbl", .caption = translatable("Caption", "Pressure"),
        .fullName = translatable("Quantity", "Pressure"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Pressure "), .note = translatable("Note", "Water at 4'C   and Mercury at 0'C"),
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"dyne/cm²", 1,                 "dyn/cm²"},
            {"N/m²",     10},
            {"lbf/ft²",  478.8,             "psf"},
            {"mbar",     1000,              "millibar"},
            {"mm Hg",    1333},
            {"in H2O",   2491},
            {"kN/m²",    pw(10, 4)},
            {"in Hg",    pw(10, 4) * 3.386},
            {"lbf/in²",  pw(10, 4) * 6.895, "psi;psia"},
            {"kgf/cm²",  pw(10, 5) * 9.807, "kg/cm²;at"},
            {"bar",      pw(10, 6)},
            {"atm",      pw(10, 6) * 1.013, "atmosphere;atmospheres"},
            {"ft H2O",   29892},
            {"Pa",       10,                "pascal"},
            {"kPa",      10000,             "kilopascal"},
            {"torr",     1333},
        }),
    },
    {
        .button = "TemperatureCmd", .label = "TemperatureLbl", .caption = translatable("Caption", "Temperature"),
        .fullName = translatable("Quantity", "Temperature"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Temperature "), .note = "",
        .mode = ConversionMode::Temperature, .defaultUnit = 0,
        .units = makeUnits({
            {"°C ", 1, "celsius;centigrade", TemperatureScale::Celsius},
            {"°F",  1, "fahrenheit",         TemperatureScale::Fahrenheit},
            {"K",   1, "kelvin",             TemperatureScale::Kelvin},
            {"°R",  1, "rankine",            TemperatureScale::Rankine},
        }),
    },
    {
        .button = "AreaCmd", .label = "AreaLbl", .caption = translatable("Caption", "Area"),
        .fullName = translatable("Quantity", "Area"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Area "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits({
            {"mm²",   0.01},
            {"cm²",   1},
            {"dm²",   100},
            {"m²",    10000,                   "sq m"},
            {"km²",   pw(10, 10),              "sq km"},
            {"in²",   6.4516,                  "sq in"},
            {"ft²",   929.0304,                "sq ft"},
            {"mile²", pw(10, 10) * 2.58998811, "sq mi;mi²"},
            {"Yd²",   8361.2736,               "sq yd"},
        }),
    },
    {
        .button = "VelocityCmd", .label = "VelocityLbl", .caption = translatable("Caption", "Velocity"),
        .fullName = translatable("Quantity", "Velocity"), .otherNames = {"speed"},
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Velocity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"km/h",     1,                              "kph;kmh;km/hr"},
            {"cm/s",     3600.0 / pw(10, 5)},
            {"m/s",      3600.0 / 1000,                  "mps"},
            {"m/min",    60.0 / 1000},
            {"mm/s",     3600.0 / pw(10, 6)},
            {"km/s",     3600},
            {"ft/min",   1828.8 / pw(10, 5),             "fpm"},
            {"ft/s",     109728.0 / pw(10, 5),           "fps;ft/sec"},
            {"in/s",     1828.8 / 12 * 60.0 / pw(10, 5)},
            {"mile/h",   1.609344,                       "mph;mi/h"},
            {"mile/s",   3600.0 / 0.6213711922},
            {"yard/min", 60.0 / pw(10, 5) * 91.44},
            {"yard/s",   3600.0 / pw(10, 5) * 91.44},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
