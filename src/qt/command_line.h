#pragma once
// The desktop program's command line, read before anything of Qt starts: --help and
// --version answer without a display, and a mistyped option is refused in one line.
#include <string>
#include <string_view>
#include <vector>

namespace tarmigo {

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::string error;   // Refuse: the one line to print
    std::string profile; // --profile DIR: a separate player's folder, or empty
};

// The arguments after the program's name. --help, then --version, wins wherever it
// stands; otherwise each argument must be --lang CODE, --profile DIR or one of Qt's own
// options.
CommandLine readCommandLine(const std::vector<std::string_view>& arguments);

// What --help prints.
extern const char* const CommandLineHelp;

} // namespace tarmigo
