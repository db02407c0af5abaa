// SPDX-License-Identifier: MIT
// The quantities of the main-menu frame "Heat Related", left to right.
#include "catalogue.h"
#include "unit_rows.h"

namespace quantora {

std::vector<QuantityDef> heatQuantities()
{
    // clang-format off
    return {
    {
        .button = "CmdCalorificValue", .label = "lblCalorificValue", .caption = translatable("Caption", "Calorific Value"),
        .fullName = translatable("Quantity", "Calorific Value"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Calorific Value "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J/m³",                   1},
            {"kJ/m³",                  1000},
            {"cal/m³",                 4.187},
            {"Btu/ft³",                pw(10, 4) * 3.726},
            {"Chu/ft³",                pw(10, 4) * 6.707},
            {"MJ/m³",                  pw(10, 6)},
            {"J/cm³",                  pw(10, 6)},
            {"kcal/m³",                pw(10, 3) * 4.187},
            {"thermie/litre",          pw(10, 6) * 4185},
            {"therm(10^5 Btu)/UK gal", pw(10, 6) * 23208},
        }),
    },
    {
        .button = "SpecificHeatCapacityCmd", .label = "SpecificHeatCapacityLbl", .caption = translatable("Caption", "Specific Heat Capacity"),
        .fullName = translatable("Quantity", "Specific Heat Capacity"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Specific Heat Capacity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"ft.lbf/(lb·°F)", 1},
            {"kgf.m/(kg·°C)",  1.823},
            {"kJ/(kg·°C)",     185.9},
            {"Btu/(lb·°F)",    778.2},
            {"kcal/(kg·°C)",   778.2},
            {"Chu/(lb·°C)",    778.2},
            {"J/(kg·°C)",      0.1859},
        }),
    },
    {
        .button = "ThermalConductivityCmd", .label = "ThermalConductivityLbl", .caption = translatable("Caption", "Thermal Conductivity"),
        .fullName = translatable("Quantity", "Thermal Conductivity"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Thermal Conductivity "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"Btu·in/(ft²·h·°F)",  1},
            {"kcal·in/(ft²·h·°C)", 2.2046},
            {"W/(m·C)",            6.933},
            {"kcal/(m·h·°C)",      8.064},
            {"Btu/(ft·h·°F)",      12},
            {"cal/(cm·s·°C)",      2903},
            {"Chu·in/(ft²·h·°C)",  1},
            {"Btu ft/(ft²·h·°F)",  12},
            {"Chu/(ft·h·°C)",      12},
            {"W/(cm·°C)",          693.3},
            {"kW.mm/(m²·°C)",      6.933},
        }),
    },
    {
        .button = "HeatTransferCoefficientCmd", .label = "HeatTransferCoefLbl", .caption = translatable("Caption", "Heat Transfer Coefficien"),
        .fullName = translatable("Quantity", "Heat Transfer Coefficient"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Heat Transfer Coefficient "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"W/(m²·°C)",       1},
            {"kcal/(m²·h·°C)",  1.163},
            {"Btu/(ft²·h·°F)",  5.678},
            {"kcal/(ft²·h·°C)", 12.52},
            {"kW/(m²·C)",       1000},
            {"Btu/(ft²·s·°F)",  20442},
            {"cal/(cm²·s·°C)",  41868},
            {"Chu/(ft²·h·°C)",  5.678},
            {"W/(cm²·C)",       10000},
        }),
    },
    {
        .button = "EnthalpyCmd", .label = "EnthalpyLbl", .caption = translatable("Caption", "Enthalpy"),
        .fullName = translatable("Quantity", "Enthalpy"),
        .frame = MenuFrame::Frame3, .titleWord = translatable("Title", "Enthalpy "), .note = "",
        .mode = ConversionMode::Ratio, .defaultUnit = 0,
        .units = makeUnits({
            {"J/g",    1},
            {"cal/g",  1.0 / 0.23901},
            {"Btu/lb", 1.0 / 0.42993},
        }),
    },
    };
    // clang-format on
}

} // namespace quantora
