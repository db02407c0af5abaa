// SPDX-License-Identifier: MIT
#include "program_options.h"

#include "app_identity.h"

#include <algorithm>
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

int complain(std::ostream &err, std::string_view what, std::string_view arg)
{
    err << "quantora: " << what << " '" << arg << "'; see quantora --help\n";
    return 2;
}

} // namespace

std::optional<int> answerCommandLine(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << usage;
            return 0;
        }
        if (arg == "--version") {
            out << applicationTitle << ' ' << versionText << '\n';
            return 0;
        }
        if (arg.size() < 2 || arg[0] != '-')
            return complain(err, "unexpected argument", arg);
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const auto equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (contains(qtOptionsWithValue, name)) {
            if (!valueAttached)
                ++i; // the value is the next argument, whatever it looks like
        } else if (valueAttached || !contains(qtFlags, name)) {
            return complain(err, "unknown option", arg);
        }
    }
    return std::nullopt;
}

} // namespace quantora
