// SPDX-License-Identifier: MIT
#include "cli.h"
#include "lookup.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace quantora {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string_view> args)
{
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

struct ConvertCase {
    const char *quantity;
    const char *value;
    const char *from;
    const char *to;
    const char *result;
};

class CliConvert : public testing::TestWithParam<ConvertCase> {};

TEST_P(CliConvert, PrintsWhatTheConversionScreenShows)
{
    const auto &c = GetParam();
    const CliRun r = run({"convert", c.quantity, c.value, c.from, c.to});
    EXPECT_EQ(r.status, exitOk) << r.err;
    EXPECT_EQ(r.out, std::string(c.result) + "\n");
    EXPECT_EQ(r.err, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CliConvert, testing::Values(
    ConvertCase{"length",           "1",     "cm",     "in",     "0.3937007874"},
    ConvertCase{"Length",           "-5",    "m",      "cm",     "-500."},
    ConvertCase{"length",           "",      "m",      "cm",     "0."},
    ConvertCase{"temperature",      "0",     "°C",     "°R",     "491.67"},
    ConvertCase{"TEMPERATURE",      "100",   "°C ",    "°F",     "212"},
    ConvertCase{"mass flow rate",   "1",     "t/d",    "t/yr",   "365."},
    ConvertCase{"MassFlowrate",     "1",     "t/d",    "t/yr",   "365."},
    ConvertCase{"energy work heat", "1",     "erg",    "J",      "0.0000001"},
    ConvertCase{"Energy, Work, Heat","1",    "J",      "W.s",    "1."},
    ConvertCase{"molar concentration","1",   "kmol/m³","kmol/m³","1."},
    ConvertCase{"heat transfer coefficien","1","W/(m²·°C)","kW/(m²·C)","0.001"},
    ConvertCase{"ideal gas constant","1",    "R",      "m³·atm /(kmol·K)", "0.082"},
    ConvertCase{"dynamic viscosity","1",     "g/m.s",  "cP",     "1."},
    ConvertCase{"length",           "1000000", "m",    "in",     "39370078.74015748"},
    ConvertCase{"length",           "2,5",   "cm",     "cm",     "2."},
    ConvertCase{"area",             "1e308", "km²",    "mm²",    "Out of range"}),
    [](const auto &row) { return caseName(row.param.quantity) + "_" + std::to_string(row.index); });
// clang-format on

// Scripts get the same numbers under every locale: the value is read with "."
// also where the program's locale writes numbers with a decimal comma.
TEST(CliLocale, ReadsThePointUnderACommaLocale)
{
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
    const CliRun comma = run({"convert", "length", "2,5", "cm", "cm"});
    const CliRun point = run({"convert", "length", "2.5", "cm", "cm"});
    std::locale::global(previous);
    EXPECT_EQ(comma.out, "2.\n");
    EXPECT_EQ(point.out, "2.5\n");
}

TEST(CliLists, QuantitiesInMenuOrderAndUnitsWithFactorTexts)
{
    const CliRun quantities = run({"quantities"});
    EXPECT_EQ(quantities.status, exitOk);
    EXPECT_EQ(quantities.out.substr(0, 21), "Length\nVolume\nMass\nPr");
    EXPECT_EQ(std::count(quantities.out.begin(), quantities.out.end(), '\n'), 31);
    EXPECT_NE(quantities.out.find("\n Molar Concentration\n"), std::string::npos);

    const CliRun units = run({"units", "pressure"});
    EXPECT_EQ(units.status, exitOk);
    EXPECT_EQ(units.out.rfind("0\tdyne/cm²\t1\n1\tN/m²\t10\n", 0), 0u);
    EXPECT_NE(units.out.find("\n11\tatm\t1013000\n"), std::string::npos);
    EXPECT_EQ(std::count(units.out.begin(), units.out.end(), '\n'), 16);
}

TEST(CliErrors, NameWhatWasNotFoundAndListTheChoices)
{
    const CliRun quantity = run({"convert", "lenght", "1", "cm", "in"});
    EXPECT_EQ(quantity.status, exitUsage);
    EXPECT_EQ(quantity.out, "");
    EXPECT_NE(quantity.err.find("unknown quantity \"lenght\""), std::string::npos);
    EXPECT_NE(quantity.err.find("Length, Volume"), std::string::npos);
    EXPECT_EQ(std::count(quantity.err.begin(), quantity.err.end(), '\n'), 1);

    const CliRun unit = run({"convert", "length", "1", "cm", "inch"});
    EXPECT_EQ(unit.status, exitUsage);
    EXPECT_NE(unit.err.find("unknown unit \"inch\""), std::string::npos);
    EXPECT_NE(unit.err.find("\"in\""), std::string::npos);

    EXPECT_EQ(run({"units", "nothing"}).status, exitUsage);
    EXPECT_EQ(run({"units", ""}).status, exitUsage);
    EXPECT_EQ(run({"convert", "length", "1", "cm"}).status, exitUsage);
    EXPECT_EQ(run({"frobnicate"}).status, exitUsage);
    EXPECT_EQ(run({}).status, exitUsage);
}

TEST(CliHelp, ExplainsTheCommandsAndTheVersion)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, exitOk);
    EXPECT_NE(help.out.find("convert QUANTITY VALUE FROM TO"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out, "quantora-cli 2.0.0\n");
}

TEST(CliLookup, MatchesCaptionsTitlesAndUnitNames)
{
    EXPECT_EQ(matchKey("Mass Flow-Rate "), "massflowrate");
    ASSERT_NE(findQuantity("volume flowrate"), nullptr);
    EXPECT_EQ(findQuantity("volume flowrate")->button, "CmdVolumeFlowRate");
    EXPECT_EQ(findQuantity("Density Of Heat FlowRate")->button, "CmdDensityOfHeatFlowRate");
    EXPECT_EQ(findQuantity("density")->button, "DensityCmd");
    EXPECT_EQ(findQuantity("!!"), nullptr);
    const QuantityDef &viscosity = *findQuantity("dynamic viscosity");
    EXPECT_EQ(findUnit(viscosity, "N·s/m²"), 5);
    EXPECT_EQ(findUnit(viscosity, "N.s/m²"), 14);
    EXPECT_EQ(findUnit(viscosity, " pdl.s/ft²"), 6);
    EXPECT_EQ(findUnit(viscosity, "n.s/m²"), -1);
}

} // namespace
} // namespace quantora
