// SPDX-License-Identifier: MIT
// Every factor text of the catalogue against the published unit tables.
#include "catalogue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quantora {
namespace {

// Each quantity's factor texts in list order, as the unit tables give them
// (Temperature's texts are never read and are not listed).
struct ExpectedFactors {
    const char *button;
    const char *factorTexts; // separated by blanks
};

// clang-format off
const ExpectedFactors expectedFactors[] = {
    {"Lengthcmd", "0.1 1 10 100 100000 2.54 30.48 160934.4 91.44 0.0001 1E-08"},
    {"VolumeCmd", "1 0.001 0.001 1 1000 3.785 4.54545454545455 119.246363 28.32 0.568182 0.016387 1E-06 4.546 764.53 158.97 0.02841"},
    {"MassCmd", "1 1E-06 0.001 0.01 0.2 1000 1016050 907185 1000000 453.592 28.3495 6350.293617 100000"},
    {"PressureCmd", "1 10 478.8 1000 1333 2491 10000 33860 68950 980700 1000000 1013000 29892 10 10000 1333"},
    {"AreaCmd", "0.01 1 100 10000 10000000000 6.4516 929.0304 25899881100 8361.2736"},
    {"VelocityCmd", "1 0.036 3.6 0.06 0.0036 3600 0.018288 1.09728 0.09144 1.609344 5793.6384003481 0.054864 3.29184"},
    {"MassFlowRateCmd", "1 1.016 3.97346 8.76 31.54 238.5 365 370.8 8760 8900 14304 31536 525.6"},
    {"CmdVolumeFlowRate", "1 3.6 3.6 1 41.66667 60 3600 1000 3600000 3.78534 227.1 157708.3333 4.546 272.8 189400 119.246363 1699 101940 0.568182 0.01639 1E-06 158.97 0.02841"},
    {"IdealGasVolumeCmd", "1 0.00278551532 9.841964815E-05 1 0.04464285714 1.263501393"},
    {"DensityCmd", "1 1000 16.0185 99.776 1328.94 27679.9 1000 999.972001 999.9720001 1000"},
    {"DynamicViscosityCmd", "1 277.777777777 413.4 1000 100000 1000000 1488000 9807000 47880000 172400000000 1000 1000 100000 100000 1000000 1000000 47880000"},
    {"CmdKinematicViscosity", "1 5.58 144 558 1550 3600 518400 5580000 5.58"},
    {"CmdDensityOfHeatFlowRate", "1 1.163 3.155 5.678 12.52 1000 11358 41868 10000"},
    {"ConcentrationCmd", "1 16.0184644334001 1.19839471598415 1000 1000"},
    {"MolarConcentrationCmd", "1 16.0184644334001 119.839471598415"},
    {"IdealGasConstantCmd", "1 0.120279047389945 1.36948781155848 12.1863537211031 0.503271263210871 0.503271263210871 0.120279047389945 12.1951219512195 0.000120279047389945 12.0279047389945 0.0931966449207828"},
    {"ArrheniusConstantCmd", "1 0.0624279564472421 1.73410990131228E-05"},
    {"ActivationEnergyCmd", "1 2.32666356444858"},
    {"CmdSpecificEnergy", "1 3.28085 334.553 778.2 1400.7 334553.46 1400.7 334.553"},
    {"EnergyCmd", "1 1.3558 4.1868 9.8066 1000 1055.1 1899.1 4186.8 1000000 2684500 3600000 1 1E-07 105510000"},
    {"PowerCmd", "1 1.8 3.4121 3.9683 3.4121 4.626 33.46 2510 2544 3412.1 3968.3 3412100 12000"},
    {"ForceCmd", "1 7.233 32.174 70.93 7233 72070 70.93 7.233E-05"},
    {"cmdTorque", "1 23.73 2.681 232.7 32.17 6006 72070 2.373E-06"},
    {"CmdStress", "1 10 14.88 478.8 10000 68950 980700 10000000 98070000 100000000 154400000 10000000"},
    {"SurfaceTensionCmd", "1 1000 14593.9062"},
    {"CmdCalorificValue", "1 1000 4.187 37260 67070 1000000 1000000 4187 4185000000 23208000000"},
    {"SpecificHeatCapacityCmd", "1 1.823 185.9 778.2 778.2 778.2 0.1859"},
    {"ThermalConductivityCmd", "1 2.2046 6.933 8.064 12 2903 1 12 12 693.3 6.933"},
    {"HeatTransferCoefficientCmd", "1 1.163 5.678 12.52 1000 20442 41868 5.678 10000"},
    {"EnthalpyCmd", "1 4.1839253587716 2.32596004000651"},
};
// clang-format on

std::vector<std::string> words(const char *text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

TEST(CatalogueFactors, EveryFactorTextMatchesTheTables)
{
    ASSERT_EQ(std::size(expectedFactors), 30u);
    for (const auto &expected : expectedFactors) {
        const QuantityDef *quantity = findByButton(expected.button);
        ASSERT_NE(quantity, nullptr) << expected.button;
        const auto texts = words(expected.factorTexts);
        ASSERT_EQ(quantity->units.size(), texts.size()) << expected.button;
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(quantity->units[i].factorText, texts[i])
                << expected.button << " unit " << i << " " << quantity->units[i].name;
    }
}

} // namespace
} // namespace quantora
