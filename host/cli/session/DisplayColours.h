// The colours that a display option names by index, for a front end's options dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Color.h"

namespace tarncli::session {

struct DisplayColour {
    std::string name;
    tarnui::Color text;        // the colour when used for text
    tarnui::Color background;  // the colour when used for the background
};

// Every entry of the named colour table, by index.
std::vector<DisplayColour> DisplayColours();

}  // namespace tarncli::session
