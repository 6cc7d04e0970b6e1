// The window program's command line: its own options, Qt's, and the file to open.
#include "ui/window_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kalvesta {
namespace {

// Qt's options (Qt Gui, Qt Widgets and the X11 platform), named without their dash.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue = {"platform",
                                                                  "platformpluginpath",
                                                                  "platformtheme",
                                                                  "plugin",
                                                                  "qwindowgeometry",
                                                                  "geometry",
                                                                  "qwindowicon",
                                                                  "icon",
                                                                  "qwindowtitle",
                                                                  "title",
                                                                  "session",
                                                                  "style",
                                                                  "stylesheet",
                                                                  "display",
                                                                  "name",
                                                                  "visual"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "testability",
                                                      "nograb", "dograb"};
// Taken only as "-qmljsdebugger=...".
constexpr std::string_view kQtOptionWithAttachedValue = "qmljsdebugger";

bool Contains(const auto& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

WindowArguments Refuse(std::string error) {
    WindowArguments refused;
    refused.action = WindowArguments::Action::kRefuse;
    refused.error = std::move(error);
    return refused;
}

}  // namespace

WindowArguments ReadWindowArguments(const std::vector<std::string>& arguments) {
    WindowArguments read;
    bool options_ended = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options_ended || argument.size() < 2 || argument[0] != '-') {
            if (!read.file) {
                read.file = argument;
            }
            continue;
        }
        if (argument == "--") {
            options_ended = true;
        } else if (argument == "-h" || argument == "--help") {
            read.action = WindowArguments::Action::kHelp;
            return read;
        } else if (argument == "--version") {
            read.action = WindowArguments::Action::kVersion;
            return read;
        } else {
            const std::string_view option =
                std::string_view(argument).substr(argument.starts_with("--") ? 2 : 1);
            const size_t equals = option.find('=');
            const std::string_view name = option.substr(0, equals);
            const bool value_attached = equals != std::string_view::npos;
            if (Contains(kQtOptionsWithValue, name)) {
                if (!value_attached && ++i == arguments.size()) {
                    return Refuse("the option \"" + argument + "\" needs a value");
                }
            } else if (!(Contains(kQtFlags, name) && !value_attached) &&
                       !(name == kQtOptionWithAttachedValue && value_attached)) {
                return Refuse("unknown option \"" + argument + "\"");
            }
        }
    }
    return read;
}

std::string WindowUsageText() {
    return R"(Usage: kalvesta4 [OPTION]... [FILE.da4]
Opens the Kalvesta4 window: where the neutral point of a model aircraft lies
and where to put its centre of gravity. With FILE.da4 the window opens with
that aircraft loaded, as "Open" would.

  -h, --help          print this text and exit
      --version       print the version and exit
      --              end of the options: the next argument is the file

Qt's options are passed on to Qt (with one dash or two), among them:
  -platform NAME      the window system: xcb, wayland, offscreen, ...
  -display DISPLAY    the X display to show the window on
  -style NAME         the widget style, such as Fusion
  -stylesheet FILE    a Qt style sheet
  -reverse            right-to-left layout

Without a window: kalvesta4-cli (kalvesta4-cli --help, man kalvesta4-cli).
)";
}

}  // namespace kalvesta
