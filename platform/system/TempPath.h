// The directory for temporary files.
#pragma once

#include <string>

namespace tarnui {

// TMPDIR when it names an existing directory, otherwise "/tmp"; always ends with "/", so a
// file name can be appended directly.
std::string GetTempPath();

}  // namespace tarnui
