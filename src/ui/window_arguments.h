// The window program's command line, read before the application starts, so that
// --help, --version and a wrong option need no display: the aircraft file to
// open, and Qt's own options, which are left for Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kalvesta {

struct WindowArguments {
    enum class Action { kRun, kHelp, kVersion, kRefuse };
    Action action = Action::kRun;
    std::optional<std::string> file;  // kRun: the aircraft file to open, if any
    std::string error;                // kRefuse: what is wrong, naming the argument
};

// Reads the arguments after the program name in order: -h or --help, --version,
// Qt's options with their values ("-style fusion", "-style=fusion"; one dash or
// two, as Qt takes them), "--" (what follows is no option), and the first other
// argument as the file to open; any other option is refused.
WindowArguments ReadWindowArguments(const std::vector<std::string>& arguments);

// The text --help prints.
std::string WindowUsageText();

}  // namespace kalvesta
