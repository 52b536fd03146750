// Expansion of "$(name)" placeholders in texts that the host hands over.
#pragma once

#include <string>

#include "src/shell/HostInterfaces.h"

// Replaces every placeholder of the text by its value, asked from the host's placeholder and
// custom placeholder services. fileName is the file the text refers to, or null for none.
std::string Expand(IBraeHost* host, const std::string& text, const std::string* fileName);
