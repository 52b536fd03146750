// "tarnmap diff": what changed in size from one build to another.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
