// "tarnmap usage": how full each memory area of the device is.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int RunUsage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
