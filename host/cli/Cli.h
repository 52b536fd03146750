// The tarnmap command line, callable in-process so that tests run it like a user does.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

// Runs one command line (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
