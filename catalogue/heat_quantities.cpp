// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Heat Related", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> heatQuantities()
{
    using namespace defined;
    // clang-format off
    return {
    {
        .button = "CmdCalorificValue", .label = "lblCalorificValue", .caption = translatable("Caption", "Calorific Value"),
        .fullName = translatable("Quantity", "Calorific Value"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Calorific Value "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(joule / (metre * metre * metre), {
            {"J/m³",                   1,                 joule / (metre * metre * metre)},
            {"kJ/m³",                  1000,              1000 * joule / (metre * metre * metre)},
            {"cal/m³",                 4.187,             calorieIT / (metre * metre * metre)},
            {"Btu/ft³",                pw(10, 4) * 3.726, btuIT / (foot * foot * foot)},
            {"Chu/ft³",                pw(10, 4) * 6.707, chu / (foot * foot * foot)},
            {"MJ/m³",                  pw(10, 6),         1000000 * joule / (metre * metre * metre)},
            {"J/cm³",                  pw(10, 6),         joule / (centimetre * centimetre * centimetre)},
            {"kcal/m³",                pw(10, 3) * 4.187, 1000 * calorieIT / (metre * metre * metre)},
            {"thermie/litre",          pw(10, 6) * 4185,  thermie / litre},
            {"therm(10^5 Btu)/UK gal", pw(10, 6) * 23208, therm / impGallon},
        }),
    },
    {
        .button = "SpecificHeatCapacityCmd", .label = "SpecificHeatCapacityLbl", .caption = translatable("Caption", "Specific Heat Capacity"),
        .fullName = translatable("Quantity", "Specific Heat Capacity"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Specific Heat Capacity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(foot * lbf / (pound * fahrenheitDegree), {
            {"ft.lbf/(lb·°F)", 1,      foot * lbf / (pound * fahrenheitDegree)},
            {"kgf.m/(kg·°C)",  1.823,  kgf * metre / (kilogram * kelvin)},
            {"kJ/(kg·°C)",     185.9,  1000 * joule / (kilogram * kelvin)},
            {"Btu/(lb·°F)",    778.2,  btuIT / (pound * fahrenheitDegree)},
            {"kcal/(kg·°C)",   778.2,  1000 * calorieIT / (kilogram * kelvin)},
            {"Chu/(lb·°C)",    778.2,  chu / (pound * kelvin)},
            {"J/(kg·°C)",      0.1859, joule / (kilogram * kelvin)},
        }),
    },
    {
        .button = "ThermalConductivityCmd", .label = "ThermalConductivityLbl", .caption = translatable("Caption", "Thermal Conductivity"),
        .fullName = translatable("Quantity", "Thermal Conductivity"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Thermal Conductivity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(btuIT * inch / (foot * foot * hour * fahrenheitDegree), {
            {"Btu·in/(ft²·h·°F)",  1,      btuIT * inch / (foot * foot * hour * fahrenheitDegree)},
            {"kcal·in/(ft²·h·°C)", 2.2046, 1000 * calorieIT * inch / (foot * foot * hour * kelvin)},
            {"W/(m·C)",            6.933,  watt / (metre * kelvin)},
            {"kcal/(m·h·°C)",      8.064,  1000 * calorieIT / (metre * hour * kelvin)},
            {"Btu/(ft·h·°F)",      12,     btuIT / (foot * hour * fahrenheitDegree)},
            {"cal/(cm·s·°C)",      2903,   calorieIT / (centimetre * second * kelvin)},
            {"Chu·in/(ft²·h·°C)",  1,      chu * inch / (foot * foot * hour * kelvin)},
            {"Btu ft/(ft²·h·°F)",  12,     btuIT * foot / (foot * foot * hour * fahrenheitDegree)},
            {"Chu/(ft·h·°C)",      12,     chu / (foot * hour * kelvin)},
            {"W/(cm·°C)",          693.3,  watt / (centimetre * kelvin)},
            {"kW.mm/(m²·°C)",      6.933,  1000 * watt * millimetre / (metre * metre * kelvin)},
        }),
    },
    {
        .button = "HeatTransferCoefficientCmd", .label = "HeatTransferCoefLbl", .caption = translatable("Caption", "Heat Transfer Coefficien"),
        .fullName = translatable("Quantity", "Heat Transfer Coefficient"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Heat Transfer Coefficient "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(watt / (metre * metre * kelvin), {
            {"W/(m²·°C)",       1,     watt / (metre * metre * kelvin)},
            {"kcal/(m²·h·°C)",  1.163, 1000 * calorieIT / (metre * metre * hour * kelvin)},
            {"Btu/(ft²·h·°F)",  5.678, btuIT / (foot * foot * hour * fahrenheitDegree)},
            {"kcal/(ft²·h·°C)", 12.52, 1000 * calorieIT / (foot * foot * hour * kelvin)},
            {"kW/(m²·C)",       1000,  1000 * watt / (metre * metre * kelvin)},
            {"Btu/(ft²·s·°F)",  20442, btuIT / (foot * foot * second * fahrenheitDegree)},
            {"cal/(cm²·s·°C)",  41868, calorieIT / (centimetre * centimetre * second * kelvin)},
            {"Chu/(ft²·h·°C)",  5.678, chu / (foot * foot * hour * kelvin)},
            {"W/(cm²·C)",       10000, watt / (centimetre * centimetre * kelvin)},
        }),
    },
    {
        .button = "EnthalpyCmd", .label = "EnthalpyLbl", .caption = translatable("Caption", "Enthalpy"),
        .fullName = translatable("Quantity", "Enthalpy"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Enthalpy "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits(joule / gram, {
            {"J/g",    1,             joule / gram},
            {"cal/g",  1.0 / 0.23901, calorieTh / gram},
            {"Btu/lb", 1.0 / 0.42993, btuIT / pound},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
