// The directory for temporary files.
#pragma once

#include <string>

namespace tarnui {

// A directory of this process that only its user may enter (mode 0700): made on first use
// with mkdtemp under XDG_RUNTIME_DIR, else under TMPDIR, else under /tmp, and removed with
// everything in it when the process exits. Ends with "/", so a file name can be appended
// directly; empty when no such directory can be made.
std::string GetTempPath();

}  // namespace tarnui
