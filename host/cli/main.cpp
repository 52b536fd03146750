// tarnmap: the command line front end of the substitute host.
#include <iostream>

int main() {
    std::cerr << "tarnmap: no command yet\n";
    return 2;
}
