// The command line of the substitute host: `tarnmap <command> [arguments]`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

// Runs one command line (without the program name) and returns the exit status: 0 success,
// 1 the command failed, 2 the command line was wrong.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `component-info [--library PATH]`: loads the component as the host does and prints its
// registered name, its version and whether it started.
int ComponentInfoCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

}  // namespace tarncli
