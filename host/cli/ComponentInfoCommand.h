// "tarnmap component-info [--library PATH]": loads the component as the host does and prints
// its registered name, its version and whether it started.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int ComponentInfoCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

}  // namespace tarncli
