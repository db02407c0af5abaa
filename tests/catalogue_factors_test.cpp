// SPDX-License-Identifier: MIT
// Every factor of the catalogue: the table's factor texts against the
// published unit tables, and the exact factors against the units' definitions,
// worked out here from published SI values by other routes than the catalogue's.
#include "catalogue.h"
#include "conversion.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// Each quantity's exact factors in list order, in its base unit, from SI values
// as NIST SP 811 and the SI Brochure publish them (R = N_A·k, 1 inch of water at
// 4 °C = 0.0254 m × 999.972 kg/m³ × 9.80665 m/s², 1 lbf = 4.4482216152605 N,
// 1 ft·lbf = 1.3558179483314004 J, 1 hp = 745.69987158227022 W, 1 lb mol =
// 453.59237 mol, 1 US gal = 3.785411784 L), computed in exact rational
// arithmetic and rounded to the nearest double.
// clang-format off
const ExpectedFactors expectedExactFactors[] = {
    {"Lengthcmd", "0.1 1 10 100 100000 2.54 30.48 160934.4 91.44 0.0001 1e-08"},
    {"VolumeCmd", "1 0.001 0.001 1 1000 3.785411784 4.54609 119.240471196 28.316846592 0.56826125 0.016387064 1e-06 4.54609 764.554857984 158.987294928 0.0284130625"},
    {"MassCmd", "1 1e-06 0.001 0.01 0.2 1000 1016046.9088 907184.74 1000000 453.59237 28.349523125 6350.29318 100000"},
    {"PressureCmd", "1 10 478.80258980335844 1000 1333.22387415 2490.8193551052 10000 33863.88640341 68947.57293168361 980665 1000000 1013250 29889.8322612624 10 10000 1333.2236842105262"},
    {"AreaCmd", "0.01 1 100 10000 10000000000 6.4516 929.0304 25899881103.36 8361.2736"},
    {"VelocityCmd", "1 0.036 3.6 0.06 0.0036 3600 0.018288 1.09728 0.09144 1.609344 5793.6384 0.054864 3.29184"},
    {"MassFlowRateCmd", "1 1.0160469088 3.9734691612 8.76 31.536 238.408149672 365 370.857121712 8760 8900.570921088 14304.48898032 31536 525.6"},
    {"CmdVolumeFlowRate", "1 3.6 3.6 1 41.666666666666664 60 3600 1000 3600000 3.785411784 227.12470704 157725.491 4.54609 272.7654 189420.41666666666 119.240471196 1699.01079552 101940.6477312 0.56826125 0.016387064 1e-06 158.987294928 0.0284130625"},
    {"IdealGasVolumeCmd", "1 0.0027852255465400755 9.835931192023867e-05 1 0.044615033405470315 1.2633570566396581"},
    {"DensityCmd", "1 1000 16.018463373960138 99.7763726631017 1328.9391836174339 27679.90471020312 1000 999.972000783978 999.972000783978 1000"},
    {"DynamicViscosityCmd", "1 277.77777777777777 413.37887321376496 1000 100000 1000000 1488163.9435695538 9806650 47880258.98033584 172368932329.20905 1000 1000 100000 100000 1000000 1000000 47880258.98033584"},
    {"CmdKinematicViscosity", "1 5.58001116002232 144 558.001116002232 1550.0031000062 3600 518400 5580011.16002232 5.58001116002232"},
    {"CmdDensityOfHeatFlowRate", "1 1.163 3.154590745063049 5.678263341113488 12.518427814633407 1000 11356.526682226975 41868 10000"},
    {"ConcentrationCmd", "1 16.018463373960138 1.1982642731689663 1000 1000"},
    {"MolarConcentrationCmd", "1 16.018463373960138 119.82642731689663"},
    {"IdealGasConstantCmd", "1 0.12027235504272604 1.369411844467359 12.186596374704216 0.5032195334987658 0.5032195334987658 0.12027235504272604 12.186596374704216 0.00012027235504272604 12.027235504272603 0.09318294894638501"},
    {"ArrheniusConstantCmd", "1 0.06242796057614461 1.734110016004017e-05"},
    {"ActivationEnergyCmd", "1 2.326"},
    {"CmdSpecificEnergy", "1 3.2808398950131235 334.5525633129686 778.1692622659649 1400.7046720787368 334552.5633129686 1400.7046720787368 334.5525633129686"},
    {"EnergyCmd", "1 1.3558179483314003 4.1868 9.80665 1000 1055.05585262 1899.100534716 4186.8 1000000 2684519.537696173 3600000 1 1e-07 105505585.262"},
    {"PowerCmd", "1 1.8 3.4121416331279417 3.9683207193277963 3.4121416331279417 4.62624286844368 33.46167874651413 2509.6259059885597 2544.433577644024 3412.141633127942 3968.3207193277963 3412141.6331279417 12000"},
    {"ForceCmd", "1 7.233013851209894 32.17404855643045 70.93163528396751 7233.013851209895 72069.8687664042 70.93163528396751 7.233013851209895e-05"},
    {"cmdTorque", "1 23.730360404231938 2.6811707130358706 232.71533885816112 32.17404855643045 6005.82239720035 72069.8687664042 2.3730360404231936e-06"},
    {"CmdStress", "1 10 14.881639435695538 478.80258980335844 10000 68947.57293168361 980665 10000000 98066500 100000000 154442563.36697128 10000000"},
    {"SurfaceTensionCmd", "1 1000 14593.902937206365"},
    {"CmdCalorificValue", "1 1000 4.1868 37258.94580783128 67066.10245409631 1000000 1000000 4186.8 4185500000 23207984281.437454"},
    {"SpecificHeatCapacityCmd", "1 1.8226888305628464 185.86253517387144 778.1692622659649 778.1692622659649 778.1692622659649 0.18586253517387144"},
    {"ThermalConductivityCmd", "1 2.2046226218487757 6.933471798515978 8.063627701674083 12 2902.90597260267 1 12 12 693.3471798515978 6.933471798515978"},
    {"HeatTransferCoefficientCmd", "1 1.163 5.678263341113488 12.518427814633407 1000 20441.748028008555 41868 5.678263341113488 10000"},
    {"EnthalpyCmd", "1 4.184 2.326"},
};
// clang-format on

TEST(CatalogueFactors, EveryExactFactorAgreesWithItsDefinition)
{
    ASSERT_EQ(std::size(expectedExactFactors), 30u);
    std::size_t checked = 0;
    for (const auto &expected : expectedExactFactors) {
        const QuantityDef *quantity = findByButton(expected.button);
        ASSERT_NE(quantity, nullptr) << expected.button;
        const auto values = words(expected.factorTexts);
        ASSERT_EQ(quantity->units.size(), values.size()) << expected.button;
        for (std::size_t i = 0; i < values.size(); ++i, ++checked) {
            const double want = std::strtod(values[i].c_str(), nullptr);
            EXPECT_NEAR(quantity->units[i].exactFactor / want, 1.0, 1e-15)
                << expected.button << " unit " << i << " " << quantity->units[i].name << ": "
                << quantity->units[i].exactFactor << " against " << values[i];
        }
    }
    EXPECT_EQ(checked, 295u); // every unit but the four temperature scales
}

// Conversions by the exact factors that the definitions fix.
struct ExactCase {
    const char *what;
    const char *button;
    const char *value;
    int from;
    int to;
    double result;
};

class ExactConversion : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactConversion, GivesWhatTheDefinitionsFix)
{
    const QuantityDef *quantity = findByButton(GetParam().button);
    ASSERT_NE(quantity, nullptr);
    const auto &units = quantity->units;
    const double result =
        conversionResult(GetParam().value, units.at(static_cast<std::size_t>(GetParam().from)),
                         units.at(static_cast<std::size_t>(GetParam().to)), {.factors = FactorSet::Exact})
            .value;
    EXPECT_NEAR(result / GetParam().result, 1.0, 1e-15) << result;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Identities, ExactConversion, testing::Values(
    ExactCase{"760 torr is one atm",                 "PressureCmd", "760", 15, 11, 1},
    ExactCase{"760 mm Hg is not quite one atm",      "PressureCmd", "760", 4,  11, 1.0000001424663212},
    ExactCase{"one psi in N per m2",                 "PressureCmd", "1",   8,  1,  6894.757293168361},
    ExactCase{"one US gal is 231 in3",               "VolumeCmd",   "1",   5,  10, 231},
    ExactCase{"one ft3 is 28.316846592 L",           "VolumeCmd",   "1",   8,  0,  28.316846592},
    ExactCase{"one kW h is 3.6 MJ",                  "EnergyCmd",   "1",   10, 8,  3.6},
    ExactCase{"Btu per lb F is cal per g C",         "SpecificHeatCapacityCmd", "1", 3, 4, 1},
    ExactCase{"one hp is 550 ft lbf per s",          "PowerCmd",    "1",   8,  5,  550},
    ExactCase{"one lb is 0.45359237 kg",             "MassCmd",     "1",   9,  5,  0.45359237},
    ExactCase{"one UK ton f is 2240 lbf",            "ForceCmd",    "1",   5,  2,  2240},
    ExactCase{"molar volume at 0 C is 22.414 L/mol", "IdealGasVolumeCmd", "1", 3, 4, 22.413969545014137}),
    byWhat);
// clang-format on

// A unit to itself gives the value unchanged, with either set of factors: no
// round trip through Celsius, no multiplication and division by one factor.
TEST(CatalogueFactors, EveryUnitToItselfIsTheValueItself)
{
    for (const FactorSet factors : {FactorSet::Table, FactorSet::Exact}) {
        for (const QuantityDef &quantity : catalogue()) {
            for (const UnitEntry &unit : quantity.units) {
                for (const char *typed : {"1", "0.1", "-273.15", "123456789.123", "1e300"}) {
                    const ConversionResult result = conversionResult(typed, unit, unit, {.factors = factors});
                    EXPECT_EQ(result.value, std::strtod(typed, nullptr))
                        << quantity.button << " " << unit.name << " " << typed;
                }
            }
        }
    }
}

} // namespace
} // namespace quantora
