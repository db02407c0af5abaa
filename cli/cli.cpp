// SPDX-License-Identifier: MIT
#include "cli.h"

#include "app_identity.h"
#include "catalogue.h"
#include "conversion.h"
#include "lookup.h"

#include <string>

namespace quantora {

namespace {

constexpr std::string_view usage =
    "Usage: quantora-cli COMMAND [ARGUMENTS]\n"
    "Converts values between engineering units, exactly as Quantora's conversion screen does.\n"
    "\n"
    "Commands:\n"
    "  quantities                       list the quantities, in main-menu order\n"
    "  units QUANTITY                   list a quantity's units: position, name and factor\n"
    "  convert QUANTITY VALUE FROM TO   convert VALUE from unit FROM to unit TO\n"
    "  --help                           show this help\n"
    "  --version                        show the version\n"
    "\n"
    "QUANTITY is a menu caption or title, in any case, blanks and punctuation ignored\n"
    "(\"mass flow rate\", \"MassFlowrate\", \"energy work heat\"). FROM and TO are unit names\n"
    "as the units command lists them; surrounding blanks may be left out (\"°C\").\n"
    "VALUE is read as the value box reads it: \"1 000\" is 1000, \"12abc\" is 12, \"\" is 0.\n"
    "Exit status: 0 on success, 2 when a command, quantity or unit is unknown.\n";

std::string quantityChoices()
{
    std::string list;
    for (const QuantityDef &q : catalogue()) {
        if (!list.empty())
            list += ", ";
        list += q.caption;
    }
    return list;
}

std::string unitChoices(const QuantityDef &quantity)
{
    std::string list;
    for (const UnitEntry &unit : quantity.units) {
        if (!list.empty())
            list += ", ";
        list += '"' + unit.name + '"';
    }
    return list;
}

const QuantityDef *quantityOrComplain(std::string_view name, std::ostream &err)
{
    const QuantityDef *quantity = findQuantity(name);
    if (!quantity)
        err << "quantora-cli: unknown quantity \"" << name << "\"; choose one of: " << quantityChoices() << '\n';
    return quantity;
}

int unitOrComplain(const QuantityDef &quantity, std::string_view name, std::ostream &err)
{
    const int position = findUnit(quantity, name);
    if (position < 0)
        err << "quantora-cli: unknown unit \"" << name << "\" of " << quantity.caption
            << "; choose one of: " << unitChoices(quantity) << '\n';
    return position;
}

int listQuantities(std::ostream &out)
{
    for (const QuantityDef &q : catalogue())
        out << q.caption << '\n';
    return exitOk;
}

int listUnits(std::string_view name, std::ostream &out, std::ostream &err)
{
    const QuantityDef *quantity = quantityOrComplain(name, err);
    if (!quantity)
        return exitUsage;
    for (std::size_t i = 0; i < quantity->units.size(); ++i)
        out << i << '\t' << quantity->units[i].name << '\t' << quantity->units[i].factorText << '\n';
    return exitOk;
}

int convert(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    const QuantityDef *quantity = quantityOrComplain(args[0], err);
    if (!quantity)
        return exitUsage;
    const int from = unitOrComplain(*quantity, args[2], err);
    if (from < 0)
        return exitUsage;
    const int to = unitOrComplain(*quantity, args[3], err);
    if (to < 0)
        return exitUsage;
    if (quantity->mode == ConversionMode::Temperature)
        out << temperatureResultText(args[1], from, to) << '\n';
    else
        out << ratioResultText(args[1], quantity->units[from].factorText, quantity->units[to].factorText) << '\n';
    return exitOk;
}

int wrongArguments(std::string_view command, std::ostream &err)
{
    err << "quantora-cli: wrong number of arguments for \"" << command << "\"; see quantora-cli --help\n";
    return exitUsage;
}

} // namespace

int runCli(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        err << usage;
        return exitUsage;
    }
    const std::string_view command = args[0];
    const auto rest = args.subspan(1);
    if (command == "--help" || command == "-h" || command == "help") {
        out << usage;
        return exitOk;
    }
    if (command == "--version") {
        out << "quantora-cli " << versionText << '\n';
        return exitOk;
    }
    if (command == "quantities")
        return rest.empty() ? listQuantities(out) : wrongArguments(command, err);
    if (command == "units")
        return rest.size() == 1 ? listUnits(rest[0], out, err) : wrongArguments(command, err);
    if (command == "convert")
        return rest.size() == 4 ? convert(rest, out, err) : wrongArguments(command, err);
    err << "quantora-cli: unknown command \"" << command
        << "\"; choose one of: quantities, units, convert, --help, --version\n";
    return exitUsage;
}

} // namespace quantora
