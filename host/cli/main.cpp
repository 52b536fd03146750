// tarnmap: the command line front end of the substitute host.
#include <iostream>

#include "host/cli/Cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return tarncli::Run({argv + 1, argv + argc}, std::cout, std::cerr);
}
