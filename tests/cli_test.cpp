// SPDX-License-Identifier: MIT
#include "batch.h"
#include "catalogue.h"
#include "cli.h"
#include "digits_text.h"
#include "lookup.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

CliRun run(std::vector<std::string_view> args, const std::string &input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
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
    ConvertCase{"area",             "1",     "m2",     "cm^2",   "10000."},
    ConvertCase{"temperature",      "100",   "C",      "degF",   "212"},
    ConvertCase{"temperature",      "0",     "K",      "°F",     "-459.67"},
    ConvertCase{"temperature",      "-459.67", "°F",   "°R",     "0"}),
    [](const auto &row) { return caseName(row.param.quantity) + "_" + std::to_string(row.index); });
// clang-format on

struct FailureCase {
    const char *what;
    std::vector<std::string_view> args;
    const char *message;
};

class CliFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CliFailure, ExitsOneWithAMessageAndNoResult)
{
    const auto &c = GetParam();
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, exitNotConverted);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quantora-cli: " + std::string(c.message) + "\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CliFailure, testing::Values(
    FailureCase{"result out of range",     {"convert", "area", "1e308", "km2", "mm2"}, "the result of 1e308 km² in mm² is out of range"},
    FailureCase{"value out of range",      {"convert", "length", " 1e400 ", "m", "cm"}, "the result of 1e400 m in cm is out of range"},
    FailureCase{"out of range with digits", {"--digits", "3", "convert", "length", "1e308", "km", "mm"}, "the result of 1e308 km in mm is out of range"},
    FailureCase{"one unit of many out of range", {"convert", "length", "1e308", "km"}, "the result of 1e308 km in mm is out of range"},
    FailureCase{"kelvin below zero",       {"convert", "temperature", "-1000", "K", "°C"}, "-1000 K is below absolute zero"},
    FailureCase{"fahrenheit below zero",   {"convert", "temperature", "-459.7", "F", "F"}, "-459.7 °F is below absolute zero"},
    FailureCase{"rankine below zero, digits", {"--digits", "2", "convert", "temperature", "-0.001", "R", "K"}, "-0.001 °R is below absolute zero"},
    FailureCase{"below zero to every unit", {"convert", "temperature", "-300", "celsius"}, "-300 °C is below absolute zero"}),
    byWhat);
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
    for (const char *fullName : {"\nMolar Concentration\n", "\nHeat Transfer Coefficient\n", "\nEnergy, Work, Heat\n"})
        EXPECT_NE(quantities.out.find(fullName), std::string::npos) << fullName;

    const CliRun units = run({"units", "pressure"});
    EXPECT_EQ(units.status, exitOk);
    EXPECT_EQ(units.out.rfind("0\tdyne/cm²\t1\n1\tN/m²\t10\n", 0), 0u);
    EXPECT_NE(units.out.find("\n11\tatm\t1013000\n"), std::string::npos);
    EXPECT_EQ(std::count(units.out.begin(), units.out.end(), '\n'), 16);
    EXPECT_NE(run({"units", "dynamic viscosity"}).out.find("\tpdl.s/ft²\t"), std::string::npos);
}

TEST(CliErrors, NameWhatWasNotFoundAndListTheChoices)
{
    const CliRun quantity = run({"convert", "lenght", "1", "cm", "in"});
    EXPECT_EQ(quantity.status, exitUsage);
    EXPECT_EQ(quantity.out, "");
    EXPECT_NE(quantity.err.find("unknown quantity \"lenght\""), std::string::npos);
    EXPECT_NE(quantity.err.find("Length, Volume"), std::string::npos);
    EXPECT_EQ(std::count(quantity.err.begin(), quantity.err.end(), '\n'), 1);

    const CliRun unit = run({"convert", "length", "1", "cm", "inches2"});
    EXPECT_EQ(unit.status, exitUsage);
    EXPECT_NE(unit.err.find("unknown unit \"inches2\""), std::string::npos);
    EXPECT_NE(unit.err.find("\"in\""), std::string::npos);

    const CliRun ambiguous = run({"units", "spec"});
    EXPECT_EQ(ambiguous.status, exitUsage);
    EXPECT_EQ(ambiguous.err,
              "quantora-cli: quantity \"spec\" could be \"Specific Energy\" or \"Specific Heat Capacity\"\n");

    EXPECT_EQ(run({"units", "nothing"}).status, exitUsage);
    EXPECT_EQ(run({"units", ""}).status, exitUsage);
    EXPECT_EQ(run({"convert", "length", "1"}).status, exitUsage);
    EXPECT_EQ(run({"frobnicate"}).status, exitUsage);
    EXPECT_EQ(run({}).status, exitUsage);
}

TEST(CliHelp, ExplainsTheCommandsAndTheVersion)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, exitOk);
    for (const char *entry : {"convert QUANTITY VALUE FROM TO", "convert QUANTITY VALUE FROM  ", "\n  batch  ",
                              "\n  --digits N  ", "\n  --  "})
        EXPECT_NE(help.out.find(entry), std::string::npos) << entry;
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
    EXPECT_EQ(findUnit(viscosity, "n.s/m²"), 14);
}

struct SpellingCase {
    const char *what;
    const char *quantity;
    const char *typed;
    std::vector<int> positions;
};

class CliSpelling : public testing::TestWithParam<SpellingCase> {};

TEST_P(CliSpelling, FindsUnitsByTheFirstStepThatFindsAny)
{
    const auto &c = GetParam();
    EXPECT_EQ(findUnits(*findQuantity(c.quantity), c.typed), c.positions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, CliSpelling, testing::Values(
    SpellingCase{"exact with its blank",       "temperature", "°C ",             {0}},
    SpellingCase{"surrounding blanks ignored", "temperature", " \t°F  ",          {1}},
    SpellingCase{"any case",                   "length",      "YARD",             {8}},
    SpellingCase{"any case before ASCII",      "dynamic viscosity", "n.s/m²",     {14}},
    SpellingCase{"u for micro",                "length",      "um",               {9}},
    SpellingCase{"Greek mu for micro",         "length",      "\u03BCm",          {9}},
    SpellingCase{"2 for square",               "area",        "m2",               {3}},
    SpellingCase{"caret 3 in any case",        "volume",      "FT^3",             {8}},
    SpellingCase{"3 for cube",                 "density",     "kg/m3",            {0}},
    SpellingCase{"nothing for degree",         "temperature", "C",                {0}},
    SpellingCase{"deg for degree",             "temperature", "degF",             {1}},
    SpellingCase{"star for middle dot",        "specific heat capacity", "kJ/(kg*degC)", {2}},
    SpellingCase{"dot and star both fit",      "dynamic viscosity", "N*s/m2",     {5, 14}},
    SpellingCase{"unknown",                    "length",      "inches2",          {}},
    SpellingCase{"blank only",                 "length",      " ",                {}}),
    byWhat);
// clang-format on

// The ASCII spelling a user would type for a unit name.
std::string asciiSpelling(std::string_view name)
{
    std::string ascii;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::string_view rest = name.substr(i);
        const auto replace = [&](std::string_view from, std::string_view to) {
            if (!rest.starts_with(from))
                return false;
            ascii += to;
            i += from.size() - 1;
            return true;
        };
        if (!replace("µ", "u") && !replace("²", "^2") && !replace("³", "3") && !replace("°", "deg") &&
            !replace("·", "*"))
            ascii += name[i];
    }
    return ascii;
}

TEST(CliSpelling, EveryUnitIsFoundByItsNameAndItsAsciiSpelling)
{
    for (const QuantityDef &q : catalogue()) {
        for (std::size_t i = 0; i < q.units.size(); ++i) {
            const std::string &name = q.units[i].name;
            EXPECT_EQ(findUnits(q, name), std::vector<int>{static_cast<int>(i)}) << q.caption << ": " << name;
            if (name == "N·s/m²" || name == "N.s/m²")
                continue; // the one pair whose ASCII spellings agree
            EXPECT_EQ(findUnits(q, asciiSpelling(name)), std::vector<int>{static_cast<int>(i)})
                << q.caption << ": " << asciiSpelling(name);
        }
    }
}

struct OtherNameCase {
    const char *quantity;
    const char *typed;
    const char *unit; // the unit's name as the catalogue writes it
};

class CliOtherNames : public testing::TestWithParam<OtherNameCase> {};

TEST_P(CliOtherNames, NameTheUnitEngineersMean)
{
    const auto &c = GetParam();
    const QuantityDef *quantity = findQuantity(c.quantity);
    ASSERT_NE(quantity, nullptr) << c.quantity;
    const int position = findUnit(*quantity, c.typed);
    ASSERT_GE(position, 0) << c.typed;
    EXPECT_EQ(quantity->units[static_cast<std::size_t>(position)].name, c.unit);
}

// The spellings people type, the quantity named by a unique beginning where
// that is the point of the row.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, CliOtherNames, testing::Values(
    OtherNameCase{"pressure",  "psi",      "lbf/in²"},
    OtherNameCase{"press",     "psf",      "lbf/ft²"},
    OtherNameCase{"pressure",  "Pa",       "Pa"},
    OtherNameCase{"pressure",  "mmHg",     "mm Hg"},
    OtherNameCase{"pressure",  "inHg",     "in Hg"},
    OtherNameCase{"pressure",  "inH2O",    "in H2O"},
    OtherNameCase{"energy",    "kWh",      "kW.h"},
    OtherNameCase{"energy",    "ft*lbf",   "ft.lbf"},
    OtherNameCase{"energy",    "joule",    "J"},
    OtherNameCase{"energy",    "calorie",  "cal"},
    OtherNameCase{"power",     "W",        "Watt"},
    OtherNameCase{"power",     "watts",    "Watt"},
    OtherNameCase{"volume",    "L",        "Liter"},
    OtherNameCase{"volume",    "mL",       "ml"},
    OtherNameCase{"volume",    "cc",       "cm³"},
    OtherNameCase{"volume",    "gal",      "US gal"},
    OtherNameCase{"volume",    "liters",   "Liter"},
    OtherNameCase{"volume",    "litres",   "Liter"},
    OtherNameCase{"volume",    "m3",       "m³"},
    OtherNameCase{"volume",    "cu ft",    "ft³"},
    OtherNameCase{"volume flow rate", "gpm", "US gal/min"},
    OtherNameCase{"volume flow rate", "cfm", "ft³/min"},
    OtherNameCase{"velocity",  "mph",      "mile/h"},
    OtherNameCase{"velocity",  "kph",      "km/h"},
    OtherNameCase{"velocity",  "fps",      "ft/s"},
    OtherNameCase{"length",    "yd",       "Yard"},
    OtherNameCase{"length",    "mi",       "mile"},
    OtherNameCase{"length",    "inch",     "in"},
    OtherNameCase{"length",    "feet",     "ft"},
    OtherNameCase{"length",    "yards",    "Yard"},
    OtherNameCase{"length",    "miles",    "mile"},
    OtherNameCase{"length",    "micron",   "µm"},
    OtherNameCase{"mass",      "lbs",      "lb"},
    OtherNameCase{"mass",      "pounds",   "lb"},
    OtherNameCase{"mass",      "ounces",   "Ounce"},
    OtherNameCase{"mass",      "grams",    "gm"},
    OtherNameCase{"mass",      "tonne",    "Metric ton"},
    OtherNameCase{"mass",      "ton",      "US ton (Short ton)"},
    OtherNameCase{"temp",      "celsius",  "°C "},
    OtherNameCase{"temp",      "Fahrenheit", "°F"},
    OtherNameCase{"temp",      "kelvin",   "K"},
    OtherNameCase{"temp",      "rankine",  "°R"},
    OtherNameCase{"area",      "ft2",      "ft²"},
    OtherNameCase{"area",      "sq ft",    "ft²"},
    OtherNameCase{"area",      "sqft",     "ft²"},
    OtherNameCase{"force",     "lbf",      "lb.f"},
    OtherNameCase{"force",     "newton",   "N"},
    OtherNameCase{"torque",    "ft*lbf",   "lbf.ft"},
    OtherNameCase{"torque",    "ft.lbf",   "lbf.ft"},
    OtherNameCase{"torque",    "ft-lbf",   "lbf.ft"},
    OtherNameCase{"torque",    "in*lbf",   "lbf.in"},
    OtherNameCase{"torque",    "N*m",      "N.m"},
    OtherNameCase{"torque",    "Nm",       "N.m"},
    OtherNameCase{"torque",    "kgf*m",    "kg.f.m"},
    OtherNameCase{"torque",    "m.kg.f",   "kg.f.m"},
    OtherNameCase{"stress",    "MPa",      "N/mm²"},
    OtherNameCase{"dynamic viscosity", "Pa*s", "N·s/m²"},
    OtherNameCase{"ideal gas constant", "m3*atm/(kmol*K)", " m³·atm /(kmol·K)"},
    OtherNameCase{"ideal gas constant", "atm·m³/(K·kmol)", " m³·atm /(kmol·K)"},
    OtherNameCase{"Heat Transfer Coefficient", "W/(m2*degC)", "W/(m²·°C)"},
    OtherNameCase{"Energy, Work, Heat", "BTU", "BTU"},
    OtherNameCase{"speed",     "m/s",      "m/s"}));
// clang-format on

// An other name names one unit: no name or other name of another unit of the
// same quantity has the same loosest key, so every lookup step keeps it apart.
TEST(CliOtherNames, NoneCollidesWithAnotherUnitOfItsQuantity)
{
    for (const QuantityDef &q : catalogue()) {
        for (std::size_t i = 0; i < q.units.size(); ++i) {
            for (const std::string &other : q.units[i].otherNames) {
                EXPECT_EQ(other, trimBlanks(other)) << q.fullName << ": " << other;
                for (std::size_t j = 0; j < q.units.size(); ++j) {
                    if (j == i)
                        continue;
                    std::vector<std::string_view> names{trimBlanks(q.units[j].name)};
                    names.insert(names.end(), q.units[j].otherNames.begin(), q.units[j].otherNames.end());
                    for (const std::string_view name : names)
                        EXPECT_NE(looseKey(other), looseKey(name)) << q.fullName << ": " << other << " and " << name;
                }
                EXPECT_EQ(findUnits(q, other), std::vector<int>{static_cast<int>(i)}) << q.fullName << ": " << other;
            }
        }
    }
}

TEST(CliErrors, AmbiguousUnitListsItsCandidatesWithoutTheirBlanks)
{
    const CliRun ambiguous = run({"convert", "dynamic viscosity", "1", "N*s/m2", "cP"});
    EXPECT_EQ(ambiguous.status, exitUsage);
    EXPECT_EQ(ambiguous.out, "");
    EXPECT_EQ(ambiguous.err, "quantora-cli: unit \"N*s/m2\" of Dynamic Viscosity could be \"N·s/m²\" or \"N.s/m²\"\n");

    const CliRun unknown = run({"convert", "temperature", "1", "X", "K"});
    EXPECT_NE(unknown.err.find("choose one of: \"°C\", \"°F\", \"K\", \"°R\"\n"), std::string::npos);
    EXPECT_NE(run({"units", "x"}).err.find("Concentration, Molar Concentration, Ideal"), std::string::npos);
}

TEST(CliEveryUnit, ListsEachUnitInCatalogueOrderWithItsResult)
{
    const CliRun temperature = run({"convert", "temperature", "100", "C"});
    EXPECT_EQ(temperature.status, exitOk);
    EXPECT_EQ(temperature.out, "°C\t100\n°F\t212\nK\t373.15\n°R\t671.67\n");

    const CliRun length = run({"convert", "length", "1", "cm"});
    EXPECT_EQ(length.out.rfind("mm\t10.\ncm\t1.\ndm\t0.1\n", 0), 0u);
    EXPECT_NE(length.out.find("\nin\t0.3937007874\n"), std::string::npos);
    EXPECT_EQ(std::count(length.out.begin(), length.out.end(), '\n'), 11);

    EXPECT_EQ(run({"convert", "length", "1", "inches2"}).status, exitUsage);
    EXPECT_EQ(run({"--digits", "2", "convert", "length", "3", "in"}).out.rfind("mm\t76\ncm\t7.6\ndm\t0.76\n", 0), 0u);
}

TEST(CliBatch, OneOutputLinePerInputLineAndAMessagePerBadLine)
{
    const std::string input = "length\t1\tcm\tin\n"
                              "\n"
                              "length\t-5\tm\tcm\r\n"
                              "lenght\t1\tcm\tin\n"
                              "length\t1\tcm\n"
                              "dynamic viscosity\t1\tN*s/m2\tcP\n"
                              "area\t1e308\tkm²\tmm²\n"
                              "temperature\t-1\tK\tC\n"
                              "spec\t1\tJ/g\tkJ/kg\n"
                              "temperature\t100\tC\tdegF"; // the last line needs no line feed
    const CliRun bad = run({"batch"}, input);
    EXPECT_EQ(bad.status, exitSomeLinesFailed);
    EXPECT_EQ(bad.out, "0.3937007874\n\n-500.\n\n\n\n\n\n\n212\n");
    const std::vector<std::string> reasons = {"line 2: expected 4 fields",
                                              "line 4: unknown quantity \"lenght\"",
                                              "line 5: expected 4 fields separated by tabs (QUANTITY, VALUE, FROM, "
                                              "TO), found 3",
                                              "line 6: unit \"N*s/m2\" of Dynamic Viscosity could be",
                                              "line 7: the result of 1e308 km² in mm² is out of range\n",
                                              "line 8: -1 K is below absolute zero\n",
                                              "line 9: quantity \"spec\" could be \"Specific Energy\" or"};
    std::size_t at = 0;
    for (const std::string &reason : reasons) {
        at = bad.err.find("quantora-cli: " + reason, at);
        EXPECT_NE(at, std::string::npos) << reason << " in\n" << bad.err;
    }
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 7);

    const CliRun good = run({"batch", "--digits", "3"}, "length\t1\tcm\tin\nmass\t1\tkg\tgm\n");
    EXPECT_EQ(good.status, exitOk);
    EXPECT_EQ(good.out, "0.394\n1000\n");
    EXPECT_EQ(good.err, "");

    // The exact factors, and a failure decided by the result in that mode too.
    const CliRun exact =
        run({"--exact", "batch"}, "pressure\t760\ttorr\tatm\ntemperature\t-1\tK\tK\nvolume\t1\tft3\tL\n");
    EXPECT_EQ(exact.status, exitSomeLinesFailed);
    EXPECT_EQ(exact.out, "1.\n\n28.316846592\n");
    EXPECT_EQ(exact.err, "quantora-cli: line 2: -1 K is below absolute zero\n");

    EXPECT_EQ(run({"batch"}, "").status, exitOk);
    EXPECT_EQ(run({"batch"}, "").out, "");
    EXPECT_EQ(run({"batch", "extra"}, "").status, exitUsage);
}

TEST(CliBatch, ManyLinesComeOutInOrderAcrossReadBlocks)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        input += "Length\t" + std::to_string(i) + "\tm\tcm\n";
        expected += std::to_string(i * 100) + ".\n";
    }
    const CliRun r = run({"batch"}, input);
    EXPECT_EQ(r.status, exitOk);
    EXPECT_TRUE(r.out == expected) << "the output differs from the expected results";
}

// Input that comes one line at a time, as from a terminal or from a program that
// waits for each answer: before it hands out the next line it notes what had
// been written by then.
class LineAtATime : public std::streambuf {
public:
    LineAtATime(std::vector<std::string> lines, const std::ostringstream &out) : lines_(std::move(lines)), out_(out) {}
    std::vector<std::string> writtenBeforeEachRead;

protected:
    int_type underflow() override
    {
        writtenBeforeEachRead.push_back(out_.str());
        if (next_ == lines_.size())
            return traits_type::eof();
        std::string &line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line.front());
    }
    std::streamsize showmanyc() override { return 0; } // nothing more is waiting

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const std::ostringstream &out_;
};

TEST(CliBatch, AnswersEachLineBeforeWaitingForTheNext)
{
    std::ostringstream out, err;
    LineAtATime input({"length\t1\tcm\tin\n", "length\t-5\tm\tcm\n"}, out);
    std::istream in(&input);
    EXPECT_TRUE(runBatch(in, out, err, 0).allConverted);
    EXPECT_EQ(input.writtenBeforeEachRead, (std::vector<std::string>{"", "0.3937007874\n", "0.3937007874\n-500.\n"}));
}

struct DigitsCase {
    const char *what;
    double value;
    int digits;
    const char *text;
};

class CliDigits : public testing::TestWithParam<DigitsCase> {};

TEST_P(CliDigits, WritesSignificantDigitsAsFactorTextsDo)
{
    const auto &c = GetParam();
    EXPECT_EQ(significantDigitsText(c.value, c.digits), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CliDigits, testing::Values(
    DigitsCase{"one digit",                    1.0 / 2.54,  1,  "0.4"},
    DigitsCase{"seventeen digits",             1.0 / 2.54,  17, "0.39370078740157477"},
    DigitsCase{"zeros up to the point",        1234.0,      2,  "1200"},
    DigitsCase{"rounding adds a digit",        9.99,        2,  "10"},
    DigitsCase{"trailing zeros dropped",       2.5,         10, "2.5"},
    DigitsCase{"negative",                     -500.0,      3,  "-500"},
    DigitsCase{"negative zero",                -0.0,        3,  "0"},
    DigitsCase{"smallest plain",               0.0001,      3,  "0.0001"},
    DigitsCase{"rounds up to smallest plain",  0.000099996, 4,  "0.0001"},
    DigitsCase{"just below plain",             0.000099996, 5,  "9.9996E-05"},
    DigitsCase{"tiny",                         1e-13,       3,  "1E-13"},
    DigitsCase{"largest plain",                999999999999999.0, 15, "999999999999999"},
    DigitsCase{"rounds up into exponent",      999999999999999.0, 3,  "1E+15"},
    DigitsCase{"large",                        1.5e20,      5,  "1.5E+20"},
    DigitsCase{"three exponent digits",        -2.5e-300,   2,  "-2.5E-300"},
    DigitsCase{"infinite",                     HUGE_VAL,    5,  "Out of range"}),
    byWhat);
// clang-format on

struct OptionsCase {
    const char *what;
    std::vector<std::string_view> args;
    int status;
    const char *out;
};

class CliOptions : public testing::TestWithParam<OptionsCase> {};

TEST_P(CliOptions, ParseWhereverTheyStandUntilDoubleDash)
{
    const auto &c = GetParam();
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err.empty(), c.status == exitOk) << r.err;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CliOptions, testing::Values(
    OptionsCase{"double dash before a negative value", {"convert", "length", "--", "-5", "m", "cm"}, exitOk, "-500.\n"},
    OptionsCase{"negative value without double dash",  {"convert", "length", "-5", "m", "cm"}, exitOk, "-500.\n"},
    OptionsCase{"digits before the command",  {"--digits", "3", "convert", "length", "1", "A", "km"}, exitOk, "1E-13\n"},
    OptionsCase{"digits after the arguments", {"convert", "length", "1", "A", "km", "--digits=3"}, exitOk, "1E-13\n"},
    OptionsCase{"digits in temperature",      {"convert", "temperature", "0", "F", "C", "--digits", "4"}, exitOk, "-17.78\n"},
    OptionsCase{"window text without digits", {"convert", "length", "1", "A", "km"}, exitOk, "0.\n"},
    OptionsCase{"digits 0",                   {"--digits", "0", "convert", "length", "1", "cm", "in"}, exitUsage, ""},
    OptionsCase{"digits 18",                  {"--digits=18", "convert", "length", "1", "cm", "in"}, exitUsage, ""},
    OptionsCase{"digits not a number",        {"--digits", "3x", "convert", "length", "1", "cm", "in"}, exitUsage, ""},
    OptionsCase{"digits without a number",    {"convert", "length", "1", "cm", "in", "--digits"}, exitUsage, ""},
    OptionsCase{"digits with units",          {"--digits", "3", "units", "length"}, exitUsage, ""},
    OptionsCase{"unknown option",             {"--digit", "3", "quantities"}, exitUsage, ""},
    OptionsCase{"help after double dash is an operand", {"--", "--help"}, exitUsage, ""},
    OptionsCase{"version anywhere",           {"units", "--version"}, exitOk, "quantora-cli 2.0.0\n"},
    OptionsCase{"table factors by default",   {"convert", "pressure", "760", "torr", "atm"}, exitOk, "1.0000789733\n"},
    OptionsCase{"exact before the command",   {"--exact", "convert", "pressure", "760", "torr", "atm"}, exitOk, "1.\n"},
    OptionsCase{"exact after the arguments",  {"convert", "pressure", "760", "mmHg", "atm", "--exact"}, exitOk, "1.0000001425\n"},
    OptionsCase{"exact with digits",          {"convert", "--exact", "--digits", "17", "pressure", "1", "psi", "Pa"}, exitOk, "6894.7572931683608\n"},
    OptionsCase{"exact to every unit",        {"convert", "surface tension", "1", "lb/ft", "--exact"}, exitOk, "dyne/cm\t14593.9029372064\nN/m\t14.5939029372\nlb/ft\t1.\n"},
    OptionsCase{"exact keeps temperatures",   {"--exact", "convert", "temperature", "1", "R", "R"}, exitOk, "1\n"},
    OptionsCase{"exact units",                {"units", "--exact", "force"}, exitOk,
        "0\tpdl\t1\n1\tN\t7.233013851209894\n2\tlb.f\t32.17404855643045\n3\tkg.f\t70.93163528396751\n"
        "4\tkN\t7233.013851209895\n5\tUK ton f\t72069.8687664042\n6\tkp\t70.93163528396751\n7\tdyn\t7.233013851209895E-05\n"},
    OptionsCase{"scales have no factor",      {"units", "temperature"}, exitOk, "0\t°C\t-\n1\t°F\t-\n2\tK\t-\n3\t°R\t-\n"},
    OptionsCase{"nor with exact",             {"units", "temperature", "--exact"}, exitOk, "0\t°C\t-\n1\t°F\t-\n2\tK\t-\n3\t°R\t-\n"}),
    byWhat);
// clang-format on

} // namespace
} // namespace quantora
