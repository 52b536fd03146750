// The tarnmap command line, callable in-process so that tests run it like a user does.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

// Runs one command line (without the program name) and returns the exit status: 0 success,
// 1 the command failed, 2 the command line was wrong.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
