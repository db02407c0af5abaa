// SPDX-License-Identifier: MIT
#include "program_options.h"

#include "app_identity.h"
#include "output_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace quantora {

namespace {

constexpr std::string_view usage = "Usage: quantora [--help | --version] [QT-OPTIONS]\n"
                                   "Converts a value between engineering units in a desktop window.\n"
                                   "\n"
                                   "  -h, --help   show this help\n"
                                   "  --version    show the name and version\n"
                                   "\n"
                                   "Qt's own options, such as -platform NAME and -style NAME, are passed on to Qt.\n"
                                   "quantora-cli converts the same way in a terminal or a script, without windows.\n"
                                   "More in the manual page: man quantora\n";

// The options that Qt's application classes and its X11 platform read from the
// command line, without their leading dash; Qt takes them with one or two.
// clang-format off
constexpr std::string_view qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "geometry", "title", "icon", "session", "style", "stylesheet", "display", "name",
    "visual", "ncols", "cmap", "im", "inputstyle", "qmljsdebugger",
};
constexpr std::string_view qtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};
// clang-format on

bool contains(std::span<const std::string_view> names, std::string_view name)
{
    return std::ranges::find(names, name) != names.end();
}

// An option's name, without its leading dashes and any "=VALUE".
std::string_view optionName(std::string_view arg)
{
    const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    return name.substr(0, name.find('='));
}

// The status after an answer: 0 when it reached standard output, else 1 with
// the reason, as quantora-cli reports it.
int answered(std::ostream &out, std::ostream &err)
{
    if (const std::optional<std::string> failure = outputFailure(out)) {
        err << "quantora: cannot write the output: " << *failure << '\n';
        return 1;
    }
    return 0;
}

int complain(std::ostream &err, std::string_view what, std::string_view arg)
{
    err << "quantora: " << what << " '" << arg << "'; see quantora --help\n";
    return 2;
}

// A whole text read as a number, or nothing.
std::optional<double> numberIn(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool usableScaleFactor(std::string_view text)
{
    const auto factor = numberIn(text);
    return factor && *factor >= 0.1 && *factor <= 10;
}

// QT_SCREEN_SCALE_FACTORS: factors separated by ";", each alone or after
// "SCREEN=".
bool usableScreenScaleFactors(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        std::string_view factor = text.substr(0, end);
        if (const std::size_t equals = factor.rfind('='); equals != std::string_view::npos)
            factor.remove_prefix(equals + 1);
        if (!factor.empty() && !usableScaleFactor(factor))
            return false;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return true;
}

bool usableFontDpi(std::string_view text)
{
    const auto dpi = numberIn(text);
    return dpi && *dpi >= 24 && *dpi <= 960 && std::floor(*dpi) == *dpi;
}

void unsetEnvironment(const char *name)
{
#ifdef _WIN32
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

} // namespace

void dropUnusableQtSettings(std::ostream &err)
{
    struct Setting {
        const char *name;
        bool (*usable)(std::string_view);
        const char *expected;
    };
    static constexpr Setting settings[] = {
        {"QT_SCALE_FACTOR", usableScaleFactor, "a number from 0.1 to 10"},
        {"QT_SCREEN_SCALE_FACTORS", usableScreenScaleFactors, "numbers from 0.1 to 10, separated by ';'"},
        {"QT_FONT_DPI", usableFontDpi, "a whole number from 24 to 960"},
    };
    for (const Setting &setting : settings) {
        const char *value = std::getenv(setting.name);
        if (!value || !*value || setting.usable(value))
            continue;
        err << "quantora: ignoring " << setting.name << "=" << value << ": it should be " << setting.expected << '\n';
        unsetEnvironment(setting.name);
    }
}

std::optional<int> answerCommandLine(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << usage;
            return answered(out, err);
        }
        if (arg == "--version") {
            out << applicationTitle << ' ' << versionText << '\n';
            return answered(out, err);
        }
        if (arg.size() < 2 || arg[0] != '-')
            return complain(err, "unexpected argument", arg);
        const std::string_view name = optionName(arg);
        const bool valueAttached = arg.find('=') != std::string_view::npos;
        if (contains(qtOptionsWithValue, name)) {
            if (!valueAttached)
                ++i; // the value is the next argument, whatever it looks like
        } else if (valueAttached || !contains(qtFlags, name)) {
            return complain(err, "unknown option", arg);
        }
    }
    return std::nullopt;
}

bool styleGiven(std::span<const std::string_view> args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = optionName(args[i]);
        if (name == "style")
            return true;
        if (contains(qtOptionsWithValue, name) && args[i].find('=') == std::string_view::npos)
            ++i; // its value
    }
    return false;
}

} // namespace quantora
