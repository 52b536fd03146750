// "tarnmap source-line": the source line of addresses, from the linked ELF file's line table.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int RunSourceLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
