// SPDX-License-Identifier: MIT
// The catalogue as a whole: counts, names, defaults, notes and modes.
#include "catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quantora {
namespace {

TEST(Catalogue, Holds31QuantitiesAnd299Units)
{
    const auto all = catalogue();
    ASSERT_EQ(all.size(), 31u);
    EXPECT_EQ(quantityCount, all.size()); // the menu keeps one entry per quantity, by position
    std::size_t units = 0;
    for (const QuantityDef &q : all) {
        EXPECT_GE(q.units.size(), 2u) << q.button;
        EXPECT_LE(q.units.size(), 23u) << q.button;
        units += q.units.size();
    }
    EXPECT_EQ(units, 299u);
}

TEST(Catalogue, FramesHoldTheirQuantitiesInMenuOrder)
{
    std::map<MenuFrame, std::vector<std::string>> buttons;
    for (const QuantityDef &q : catalogue())
        buttons[q.frame].push_back(q.button);
    EXPECT_EQ(buttons[MenuFrame::Frame1], (std::vector<std::string>{"Lengthcmd", "VolumeCmd", "MassCmd", "PressureCmd",
                                                                    "TemperatureCmd", "AreaCmd", "VelocityCmd"}));
    EXPECT_EQ(buttons[MenuFrame::FlowRelated].size(), 11u);
    EXPECT_EQ(buttons[MenuFrame::Frame2].size(), 8u);
    EXPECT_EQ(buttons[MenuFrame::Frame3].size(), 5u);
    // Frames follow each other from the top of the menu to the bottom.
    MenuFrame previous = MenuFrame::Frame1;
    for (const QuantityDef &q : catalogue()) {
        EXPECT_GE(static_cast<int>(q.frame), static_cast<int>(previous)) << q.button;
        previous = q.frame;
    }
}

TEST(Catalogue, NamesAreUniqueWithinEachQuantityAndAcrossTheMenu)
{
    std::set<std::string> controls;
    for (const QuantityDef &q : catalogue()) {
        EXPECT_TRUE(controls.insert(q.button).second) << q.button;
        EXPECT_TRUE(controls.insert(q.label).second) << q.label;
        std::set<std::string> names;
        for (const UnitEntry &unit : q.units)
            EXPECT_TRUE(names.insert(unit.name).second) << q.button << ": " << unit.name;
    }
}

TEST(Catalogue, DefaultUnitIsTheSecondOnlyForAreaLengthAndIdealGasVolume)
{
    for (const QuantityDef &q : catalogue()) {
        const bool second = q.button == "AreaCmd" || q.button == "Lengthcmd" || q.button == "IdealGasVolumeCmd";
        EXPECT_EQ(q.defaultUnit, second ? 1 : 0) << q.button;
    }
    EXPECT_EQ(findByButton("AreaCmd")->units[1].name, "cm²");
    EXPECT_EQ(findByButton("IdealGasVolumeCmd")->units[1].name, "ft³/lbmol");
}

TEST(Catalogue, FourQuantitiesCarryANote)
{
    const std::map<std::string, std::string> notes = {
        {"PressureCmd", "Water at 4'C   and Mercury at 0'C"},
        {"ForceCmd", "The kgf is sometimes known as kilopond (kp) "},
        {"DensityCmd", "Based on 1901  definition of the litre"},
        {"MassFlowRateCmd", "Year taken as 365 days "},
    };
    for (const QuantityDef &q : catalogue()) {
        const auto it = notes.find(q.button);
        EXPECT_EQ(q.note, it == notes.end() ? "" : it->second) << q.button;
    }
}

TEST(Catalogue, OnlyTemperatureConvertsByFormulas)
{
    // Every unit of Temperature knows its scale, and no other unit has one: the
    // conversion goes through Celsius exactly when both units have a scale.
    for (const QuantityDef &q : catalogue()) {
        EXPECT_EQ(q.mode == ConversionMode::Temperature, q.button == "TemperatureCmd") << q.button;
        for (const UnitEntry &unit : q.units)
            EXPECT_EQ(unit.scale.has_value(), q.mode == ConversionMode::Temperature) << q.button << " " << unit.name;
    }
    const QuantityDef *temperature = findByButton("TemperatureCmd");
    ASSERT_EQ(temperature->units.size(), 4u);
    EXPECT_EQ(temperature->units[0].name, "°C ");
    EXPECT_EQ(temperature->units[1].name, "°F");
    EXPECT_EQ(temperature->units[2].name, "K");
    EXPECT_EQ(temperature->units[3].name, "°R");
    EXPECT_EQ(temperature->units[0].scale, TemperatureScale::Celsius);
    EXPECT_EQ(temperature->units[1].scale, TemperatureScale::Fahrenheit);
    EXPECT_EQ(temperature->units[2].scale, TemperatureScale::Kelvin);
    EXPECT_EQ(temperature->units[3].scale, TemperatureScale::Rankine);
}

TEST(Catalogue, KeepsTheQuirksOfItsTexts)
{
    EXPECT_EQ(findByButton("HeatTransferCoefficientCmd")->caption, "Heat Transfer Coefficien");
    EXPECT_EQ(findByButton("HeatTransferCoefficientCmd")->titleWord, "Heat Transfer Coefficient ");
    EXPECT_EQ(findByButton("MolarConcentrationCmd")->caption, " Molar Concentration");
    EXPECT_EQ(findByButton("MassFlowRateCmd")->titleWord, "MassFlowrate ");
    EXPECT_EQ(findByButton("EnergyCmd")->titleWord, "Energy, Work, Heat ");
    EXPECT_EQ(findByButton("IdealGasConstantCmd")->units[7].name, " m³·atm /(kmol·K)");
    const auto &viscosity = findByButton("DynamicViscosityCmd")->units;
    for (const int position : {6, 9, 10, 11})
        EXPECT_EQ(viscosity[position].name.back(), ' ') << viscosity[position].name;
    for (const QuantityDef &q : catalogue())
        EXPECT_EQ(q.titleWord.back(), ' ') << q.button;
}

TEST(Catalogue, FullNamesAreWrittenOutWithoutSurroundingBlanks)
{
    EXPECT_EQ(findByButton("HeatTransferCoefficientCmd")->fullName, "Heat Transfer Coefficient");
    EXPECT_EQ(findByButton("MolarConcentrationCmd")->fullName, "Molar Concentration");
    EXPECT_EQ(findByButton("EnergyCmd")->fullName, "Energy, Work, Heat");
    EXPECT_EQ(findByButton("CmdVolumeFlowRate")->fullName, "Volume Flow Rate");
    std::set<std::string> fullNames;
    for (const QuantityDef &q : catalogue()) {
        EXPECT_TRUE(fullNames.insert(q.fullName).second) << q.fullName;
        EXPECT_NE(q.fullName.front(), ' ') << q.button;
        EXPECT_NE(q.fullName.back(), ' ') << q.button;
    }
}

TEST(Catalogue, IndexOfARecordIsItsPositionAndNoneForACopy)
{
    const auto all = catalogue();
    EXPECT_EQ(catalogueIndex(all[0]), 0u);
    EXPECT_EQ(catalogueIndex(all[30]), 30u);
    const QuantityDef copy = all[3];
    EXPECT_EQ(catalogueIndex(copy), quantityCount);
}

TEST(Catalogue, FrameNamesAndCaptions)
{
    EXPECT_EQ(frameName(MenuFrame::FlowRelated), "FlowRelated");
    EXPECT_EQ(frameCaption(MenuFrame::Frame1), "Basic Conversion");
    EXPECT_EQ(frameCaption(MenuFrame::FlowRelated), "Flow/Volume/Density Related");
    EXPECT_EQ(frameCaption(MenuFrame::Frame2), "Energy/Power Related");
    EXPECT_EQ(frameCaption(MenuFrame::Frame3), "Heat Related");
    EXPECT_EQ(findByButton("NoSuchCmd"), nullptr);
}

} // namespace
} // namespace quantora
