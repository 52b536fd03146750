// tarnmap: the command line front end of the substitute host.
#include <iostream>
#include <string>
#include <vector>

#include "host/cli/Cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tarncli::RunCommandLine(args, std::cout, std::cerr);
}
