// Expansion of "$(name)" placeholders in texts that the host hands over.
#pragma once

#include <ctime>
#include <string>

#include "src/shell/HostInterfaces.h"

// What an expansion takes from this machine: the moment that the date and time placeholders
// show, and the name of the user logged on.
struct PlaceholderSystemValues {
    std::time_t now = 0;
    std::string userName;
};

// Replaces every placeholder of the text by its value, asked from the host's placeholder and
// custom placeholder services. fileName is the file the text refers to, or null (or empty) for
// none. Values are inserted as they are and never expanded again.
std::string Expand(IBraeHost* host, const std::string& text, const std::string* fileName);

// As above, with the machine's values given.
std::string Expand(IBraeHost* host, const std::string& text, const std::string* fileName,
                   const PlaceholderSystemValues& system);
