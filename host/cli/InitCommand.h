// "tarnmap init": a workspace file made from a GNU ld or lld map file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int RunInit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
