// The text form of a 16-byte identifier: the bytes in order as upper-case hexadecimal in
// groups of 8, 4, 4, 4 and 12 digits inside braces, e.g. "{AFE1390A-CE18-FF34-7319-...}".
#pragma once

#include <string>

#include "src/shell/HostTypes.h"

std::string TarnIdText(const TarnId& id);
