// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Basic Conversion", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> basicQuantities()
{
    using namespace defined;
    // clang-format off
    return {
    {
        .button = "Lengthcmd", .label = "lengthlbl", .caption = translatable("Caption", "Length"),
        .fullName = translatable("Quantity", "Length"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Length "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits(centimetre, {
            {"mm",                         0.1,             millimetre,          "millimeter;millimeters;millimetre;millimetres"},
            {"cm",                         1,               centimetre,          "centimeter;centimeters;centimetre;centimetres"},
            {"dm",                         10,              metre / 10},
            {"m",                          100,             metre,               "meter;meters;metre;metres"},
            {"km",                         100000,          1000 * metre,        "kilometer;kilometers;kilometre;kilometres"},
            {"in",                         2.54,            inch,                "inch;inches"},
            {"ft",                         30.48,           foot,                "foot;feet"},
            {translatable("Unit", "mile"), 160934.4,        mile,                "mi;miles"},
            {translatable("Unit", "Yard"), 91.44,           yard,                "yd;yards"},
            {"µm",                         1.0 / pw(10, 4), metre / 1000000,     "micron;microns;micrometer;micrometers;micrometre;micrometres"},
            {"A",                          1.0 / pw(10, 8), metre / 10000000000, "Å;angstrom;angstroms"},
        }),
    },
    {
        .button = "VolumeCmd", .label = "VolumeLbl", .caption = translatable("Caption", "Volume"),
        .fullName = translatable("Quantity", "Volume"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Volume "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(litre, {
            {translatable("Unit", "Liter"),     1,             litre,                                "L;liters;litre;litres"},
            {"cm³",                             1.0 / 1000,    centimetre * centimetre * centimetre, "cc"},
            {"ml",                              1.0 / 1000,    litre / 1000,                         "milliliter;milliliters;millilitre;millilitres"},
            {"dm³",                             1,             litre},
            {"m³",                              1000,          metre * metre * metre,                "cu m"},
            {translatable("Unit", "US gal"),    3.785,         usGallon,                             "gal;gallon;gallons;usgallon"},
            {translatable("Unit", "Imp gal"),   1.0 / 0.22,    impGallon},
            {translatable("Unit", "Barrel"),    119.246363,    usLiquidBarrel},
            {"ft³",                             28.32,         foot * foot * foot,                   "cu ft;cf"},
            {translatable("Unit", "UK Pint"),   0.568182,      ukPint,                               "brpint"},
            {"in³",                             0.016387,      inch * inch * inch,                   "cu in"},
            {"mm³",                             1.0 / 1000000, millimetre * millimetre * millimetre},
            {translatable("Unit", "UK gal"),    4.546,         impGallon,                            "brgallon"},
            {"Yd³",                             764.53,        yard * yard * yard,                   "cu yd"},
            {translatable("Unit", "US Barrel"), 158.97,        usOilBarrel,                          "bbl"},
            {translatable("Unit", "Fluid oz"),  0.02841,       ukFluidOunce,                         "brfloz"},
        }),
    },
    {
        .button = "MassCmd", .label = "MassLbl", .caption = translatable("Caption", "Mass"),
        .fullName = translatable("Quantity", "Mass"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Mass "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(gram, {
            {"gm",                                       1,                   gram,            "g;gram;grams;gramme;grammes"},
            {"µgm",                                      1.0 / pw(10, 6),     gram / 1000000,  "µg;microgram;micrograms"},
            {"mg",                                       0.001,               gram / 1000,     "milligram;milligrams"},
            {"cg",                                       0.01,                gram / 100,      "centigram;centigrams"},
            {translatable("Unit", "Carat"),              0.2,                 carat,           "ct;carats"},
            {"kg",                                       1000,                kilogram,        "kilogram;kilograms"},
            {translatable("Unit", "UK ton"),             pw(10, 6) * 1.01605, ukTon,           "long ton"},
            {translatable("Unit", "US ton (Short ton)"), 907185,              usTon,           "ton;tons;short ton;US ton"},
            {translatable("Unit", "Metric ton"),         pw(10, 6),           1000 * kilogram, "t;tonne;tonnes"},
            {"lb",                                       453.592,             pound,           "lbs;lbm;pound;pounds"},
            {translatable("Unit", "Ounce"),              28.3495,             ounce,           "oz;ounces"},
            {translatable("Unit", "Stone"),              6350.293617,         stone,           "stones"},
            {translatable("Unit", "Guintal"),            pw(10, 5),           100 * kilogram,  "quintal"},
        }),
    },
    {
        .button = "PressureCmd", .label = "PressureLbl", .caption = translatable("Caption", "Pressure"),
        .fullName = translatable("Quantity", "Pressure"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Pressure "), .note = translatable("Note", "Water at 4'C   and Mercury at 0'C"),
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(dyne / (centimetre * centimetre), {
            {"dyne/cm²", 1,                 dyne / (centimetre * centimetre), "dyn/cm²"},
            {"N/m²",     10,                pascal},
            {"lbf/ft²",  478.8,             lbf / (foot * foot),              "psf"},
            {"mbar",     1000,              bar / 1000,                       "millibar"},
            {"mm Hg",    1333,              mmHg},
            {"in H2O",   2491,              inH2O},
            {"kN/m²",    pw(10, 4),         1000 * pascal},
            {"in Hg",    pw(10, 4) * 3.386, inHg},
            {"lbf/in²",  pw(10, 4) * 6.895, lbf / (inch * inch),              "psi;psia"},
            {"kgf/cm²",  pw(10, 5) * 9.807, kgf / (centimetre * centimetre),  "kg/cm²;at"},
            {"bar",      pw(10, 6),         bar},
            {"atm",      pw(10, 6) * 1.013, atmosphere,                       "atmosphere;atmospheres"},
            {"ft H2O",   29892,             ftH2O},
            {"Pa",       10,                pascal,                           "pascal"},
            {"kPa",      10000,             1000 * pascal,                    "kilopascal"},
            {"torr",     1333,              torr},
        }),
    },
    {
        .button = "TemperatureCmd", .label = "TemperatureLbl", .caption = translatable("Caption", "Temperature"),
        .fullName = translatable("Quantity", "Temperature"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Temperature "), .note = "",
        .mode = ConversionMode::Temperature, .defaultUnit = 0,
        .units = makeUnits(kelvin, {
            {"°C ", 1, kelvin, "celsius;centigrade", TemperatureScale::Celsius},
            {"°F",  1, kelvin, "fahrenheit",         TemperatureScale::Fahrenheit},
            {"K",   1, kelvin, "kelvin",             TemperatureScale::Kelvin},
            {"°R",  1, kelvin, "rankine",            TemperatureScale::Rankine},
        }),
    },
    {
        .button = "AreaCmd", .label = "AreaLbl", .caption = translatable("Caption", "Area"),
        .fullName = translatable("Quantity", "Area"),
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Area "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 1,
        .units = makeUnits(centimetre * centimetre, {
            {"mm²",   0.01,                    millimetre * millimetre},
            {"cm²",   1,                       centimetre * centimetre},
            {"dm²",   100,                     metre * metre / 100},
            {"m²",    10000,                   metre * metre,           "sq m"},
            {"km²",   pw(10, 10),              1000000 * metre * metre, "sq km"},
            {"in²",   6.4516,                  inch * inch,             "sq in"},
            {"ft²",   929.0304,                foot * foot,             "sq ft"},
            {"mile²", pw(10, 10) * 2.58998811, mile * mile,             "sq mi;mi²"},
            {"Yd²",   8361.2736,               yard * yard,             "sq yd"},
        }),
    },
    {
        .button = "VelocityCmd", .label = "VelocityLbl", .caption = translatable("Caption", "Velocity"),
        .fullName = translatable("Quantity", "Velocity"), .otherNames = {"speed"},
        .frame = MenuFrame::Frame1, .titleWord = translatable("Title", "Velocity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(1000 * metre / hour, {
            {"km/h",     1,                              1000 * metre / hour, "kph;kmh;km/hr"},
            {"cm/s",     3600.0 / pw(10, 5),             centimetre / second},
            {"m/s",      3600.0 / 1000,                  metre / second,      "mps"},
            {"m/min",    60.0 / 1000,                    metre / minute},
            {"mm/s",     3600.0 / pw(10, 6),             millimetre / second},
            {"km/s",     3600,                           1000 * metre / second},
            {"ft/min",   1828.8 / pw(10, 5),             foot / minute,       "fpm"},
            {"ft/s",     109728.0 / pw(10, 5),           foot / second,       "fps;ft/sec"},
            {"in/s",     1828.8 / 12 * 60.0 / pw(10, 5), inch / second},
            {"mile/h",   1.609344,                       mile / hour,         "mph;mi/h"},
            {"mile/s",   3600.0 / 0.6213711922,          mile / second},
            {"yard/min", 60.0 / pw(10, 5) * 91.44,       yard / minute},
            {"yard/s",   3600.0 / pw(10, 5) * 91.44,     yard / second},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
