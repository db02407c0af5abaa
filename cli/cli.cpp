// SPDX-License-Identifier: MIT
#include "cli.h"

#include "app_identity.h"
#include "batch.h"
#include "catalogue.h"
#include "cli_result.h"
#include "factor_text.h"
#include "lookup.h"
#include "names.h"
#include "options.h"
#include "output_check.h"
#include "result_problem.h"

#include <string>
#include <vector>

namespace quantora {

namespace {

constexpr std::string_view usage =
    "Usage: quantora-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
    "Converts values between engineering units, exactly as Quantora's conversion screen does.\n"
    "\n"
    "Commands:\n"
    "  quantities                       list the quantities, in main-menu order\n"
    "  units QUANTITY                   list a quantity's units: position, name and factor\n"
    "                                   (\"-\" for a temperature scale)\n"
    "  convert QUANTITY VALUE FROM TO   convert VALUE from unit FROM to unit TO\n"
    "  convert QUANTITY VALUE FROM      convert VALUE to every unit: name, tab, result\n"
    "  batch                            convert the lines of standard input, each\n"
    "                                   QUANTITY<tab>VALUE<tab>FROM<tab>TO: one result line\n"
    "                                   each, or an empty one and a message for a bad line\n"
    "\n"
    "Options:\n"
    "  --digits N      write N significant digits (1 to 17), with convert and batch\n"
    "  --exact         convert by the factors exact to the units' definitions, not\n"
    "                  the table's; units lists them with all their digits\n"
    "  --              end of the options: \"convert length -- -5 m cm\"\n"
    "  -h, --help      show this help\n"
    "  --version       show the version\n"
    "\n"
    "QUANTITY is a full name, menu caption or title, or the unique beginning of one, in\n"
    "any case, blanks and punctuation ignored (\"mass flow rate\", \"energy\", \"temp\").\n"
    "FROM and TO are unit names as the units command lists them, or other common names\n"
    "(\"psi\", \"inch\", \"kWh\"), in any case, or in ASCII: u for µ, 2 or ^2 for ², 3 or ^3\n"
    "for ³, deg or nothing for °, * or . for · (\"um\", \"m^2\", \"kg/m3\", \"degF\", \"C\");\n"
    "blanks inside a name and the order of a product do not matter (\"mmHg\", \"ft*lbf\").\n"
    "VALUE is read as the value box reads it: \"1 000\" is 1000, \"12abc\" is 12, \"\" is 0.\n"
    "Without --digits, results are written exactly as the conversion screen shows them\n"
    "(with --exact, as it shows them with Exact Factors on).\n"
    "\n"
    "Exit status: 0 on success; 1 when a result is out of range or a temperature lies\n"
    "below absolute zero, batch could not convert a line, or the input could not be\n"
    "read or the output written; 2 when a command, option, quantity or unit is unknown\n"
    "or a name is ambiguous.\n";

constexpr std::string_view commands = "quantities, units, convert, batch, --help, --version";

// The hidden command that feeds the shell completions.
constexpr std::string_view namesCommand = "__names";

int complain(std::ostream &err, const std::string &message)
{
    err << "quantora-cli: " + message + "\n";
    return exitUsage;
}

int wrongArguments(std::string_view command, std::ostream &err)
{
    return complain(err, "wrong number of arguments for \"" + std::string(command) + "\"; see quantora-cli --help");
}

int listQuantities(std::ostream &out)
{
    for (const QuantityDef &q : catalogue())
        out << q.fullName << '\n';
    return exitOk;
}

// The factor `units` lists: "-" for a temperature scale, which is no multiple
// of another; the table's factor text; or the exact factor in the shortest
// digits that read back as the same double.
std::string listedFactor(const UnitEntry &unit, FactorSet factors)
{
    if (unit.scale)
        return "-";
    return factors == FactorSet::Table ? unit.factorText : shortestText(unit.exactFactor);
}

int listUnits(std::string_view name, FactorSet factors, std::ostream &out, std::ostream &err)
{
    const QuantityDef *quantity = findQuantity(name);
    if (!quantity)
        return complain(err, quantityProblemMessage(name));
    for (std::size_t i = 0; i < quantity->units.size(); ++i)
        out << i << '\t' << trimBlanks(quantity->units[i].name) << '\t' << listedFactor(quantity->units[i], factors)
            << '\n';
    return exitOk;
}

// convert QUANTITY VALUE FROM [TO]: one result, or without TO one line per unit.
int convert(std::span<const std::string_view> args, CliForm form, std::ostream &out, std::ostream &err)
{
    const QuantityDef *quantity = findQuantity(args[0]);
    if (!quantity)
        return complain(err, quantityProblemMessage(args[0]));
    std::vector<int> positions;
    for (const std::string_view unit : args.subspan(2)) {
        const std::vector<int> found = findUnits(*quantity, unit);
        if (found.size() != 1)
            return complain(err, unitProblemMessage(*quantity, unit, found));
        positions.push_back(found.front());
    }
    // Every result is checked before any is written: a failure writes nothing.
    std::string lines;
    const auto add = [&](int to, std::string_view name) {
        const ConversionResult result = cliResult(*quantity, args[1], positions[0], to, form);
        const std::optional<std::string> problem = resultProblem(*quantity, args[1], positions[0], to, result);
        if (problem)
            err << "quantora-cli: " + *problem + "\n";
        else
            lines += std::string(name) + result.text + "\n";
        return !problem;
    };
    if (positions.size() == 2) {
        if (!add(positions[1], ""))
            return exitNotConverted;
    } else {
        for (std::size_t to = 0; to < quantity->units.size(); ++to)
            if (!add(static_cast<int>(to), std::string(trimBlanks(quantity->units[to].name)) + "\t"))
                return exitNotConverted;
    }
    out << lines;
    return exitOk;
}

// __names commands | quantities | units QUANTITY: the words the shell completions
// offer, one per line, without surrounding blanks.
int listNames(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    std::string lines;
    if (args.size() == 1 && args[0] == "commands") {
        lines = "quantities\nunits\nconvert\nbatch\n";
    } else if (args.size() == 1 && args[0] == "quantities") {
        for (const QuantityDef &q : catalogue())
            lines += q.fullName + "\n";
    } else if (args.size() == 2 && args[0] == "units") {
        const QuantityDef *quantity = findQuantity(args[1]);
        if (!quantity)
            return complain(err, quantityProblemMessage(args[1]));
        for (const UnitEntry &unit : quantity->units) {
            lines += std::string(trimBlanks(unit.name)) + "\n";
            for (const std::string &other : unit.otherNames)
                lines += other + "\n";
        }
    } else {
        return wrongArguments(namesCommand, err);
    }
    out << lines;
    return exitOk;
}

int runCommand(std::span<const std::string_view> args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const ParsedOptions parsed = parseOptions(args);
    if (parsed.error)
        return complain(err, *parsed.error);
    const CliOptions &options = parsed.options;
    if (options.help) {
        out << usage;
        return exitOk;
    }
    if (options.version) {
        out << "quantora-cli " << versionText << '\n';
        return exitOk;
    }
    if (options.operands.empty()) {
        err << usage;
        return exitUsage;
    }
    const std::string_view command = options.operands.front();
    const auto rest = std::span(options.operands).subspan(1);
    if (options.digits != 0 && command != "convert" && command != "batch")
        return complain(err, "--digits goes with convert and batch, not with \"" + std::string(command) + "\"");
    if (command == "help") {
        out << usage;
        return exitOk;
    }
    if (command == "quantities")
        return rest.empty() ? listQuantities(out) : wrongArguments(command, err);
    const FactorSet factors = options.exact ? FactorSet::Exact : FactorSet::Table;
    if (command == "units")
        return rest.size() == 1 ? listUnits(rest[0], factors, out, err) : wrongArguments(command, err);
    if (command == "convert")
        return rest.size() == 3 || rest.size() == 4
                   ? convert(rest, {.digits = options.digits, .factors = factors}, out, err)
                   : wrongArguments(command, err);
    if (command == "batch") {
        if (!rest.empty())
            return wrongArguments(command, err);
        const BatchOutcome outcome = runBatch(in, out, err, options.digits, factors);
        if (outcome.inputFailure) {
            err << "quantora-cli: cannot read the input: " + *outcome.inputFailure + "\n";
            return exitInputFailed;
        }
        return outcome.allConverted ? exitOk : exitSomeLinesFailed;
    }
    if (command == namesCommand)
        return listNames(rest, out, err);
    return complain(err, "unknown command \"" + std::string(command) + "\"; choose one of: " + std::string(commands));
}

} // namespace

int runCli(std::span<const std::string_view> args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const int status = runCommand(args, in, out, err);
    if (const std::optional<std::string> failure = outputFailure(out)) {
        err << "quantora-cli: cannot write the output: " + *failure + "\n";
        return exitOutputFailed;
    }
    return status;
}

} // namespace quantora
