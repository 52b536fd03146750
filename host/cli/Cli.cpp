#include "host/cli/Cli.h"

#include <ostream>

namespace tarncli {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Command {
    const char* name;
    const char* summary;
    CommandFunction run;
};

constexpr Command kCommands[] = {
    {"component-info", "load the Map component and show its name, version and start-up",
     &ComponentInfoCommand},
};

void PrintUsage(std::ostream& err) {
    err << "usage: tarnmap <command> [arguments]\ncommands:\n";
    for (const Command& command : kCommands) {
        err << "  " << command.name << "  " << command.summary << "\n";
    }
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return 2;
    }
    for (const Command& command : kCommands) {
        if (args.front() == command.name) {
            return command.run({args.begin() + 1, args.end()}, out, err);
        }
    }
    err << "tarnmap: unknown command '" << args.front() << "'\n";
    PrintUsage(err);
    return 2;
}

}  // namespace tarncli
