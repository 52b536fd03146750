// "tarnmap allocate": Memory Resource Auto Allocate on a workspace. The used address ranges
// of the build become memory resources inside the device's areas; the workspace file is
// updated and the memory map is printed as "export memory" prints it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli {

int RunAllocate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli
