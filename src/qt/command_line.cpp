#include "qt/command_line.h"

#include <algorithm>
#include <array>

namespace tarmigo {
namespace {

// The options QApplication reads itself (with one dash or two, NAME=VALUE or NAME VALUE).
constexpr std::array<std::string_view, 14> QtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name"};
constexpr std::array<std::string_view, 5> QtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                     "sync"};

bool listed(const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

CommandLine refuse(std::string line) {
    return {
        CommandLine::Action::Refuse, std::move(line) + " (tarmigo --help lists the options)", {}};
}

} // namespace

const char* const CommandLineHelp =
    "usage: tarmigo [--lang CODE] [--profile DIR] [Qt's options]\n"
    "       tarmigo --help | --version\n"
    "\n"
    "Tarmigo, a two-player racing card game: one window per user and display.\n"
    "\n"
    "  --lang CODE   the game's language (de, en or fr) instead of the system's\n"
    "  --profile DIR a separate player, with its own settings and saved games in DIR\n"
    "                (made if missing): a second window on one computer, to try a\n"
    "                network game\n"
    "  --help        print this help, and end\n"
    "  --version     print the program's name and version, and end\n"
    "\n"
    "Qt's own options are taken too, among them -platform NAME, -display DISPLAY,\n"
    "-style NAME and -reverse.\n";

CommandLine readCommandLine(const std::vector<std::string_view>& arguments) {
    const auto has = [&](std::string_view a) { return listed(arguments, a); };
    if (has("--help") || has("-h")) return {CommandLine::Action::Help, {}, {}};
    if (has("--version")) return {CommandLine::Action::Version, {}, {}};
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        if (a == "--lang") {
            if (!hasNext) return refuse("tarmigo: --lang needs a language code");
            ++i;
            continue;
        }
        if (a == "--profile") {
            if (!hasNext) return refuse("tarmigo: --profile needs a folder");
            line.profile = arguments[++i];
            continue;
        }
        if (a.size() < 2 || a[0] != '-')
            return refuse("tarmigo: unexpected argument '" + std::string(a) + "'");
        std::string_view name = a.substr(a[1] == '-' ? 2 : 1);
        const auto equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (listed(QtFlags, name) && !valueAttached) continue;
        if (!listed(QtOptionsWithValue, name))
            return refuse("tarmigo: unknown option '" + std::string(a) + "'");
        if (!valueAttached) {
            if (!hasNext) return refuse("tarmigo: " + std::string(a) + " needs a value");
            ++i;
        }
    }
    return line;
}

} // namespace tarmigo
