#include "host/cli/session/DisplayColours.h"

#include "src/shell/framework/NamedColours.h"

namespace tarncli::session {

std::vector<DisplayColour> DisplayColours() {
    std::vector<DisplayColour> colours;
    for (int i = 0; i < kNamedColourCount; ++i) {
        colours.push_back({std::string(NamedColourName(i)), ResolveForegroundColour(i),
                           ResolveBackgroundColour(i)});
    }
    return colours;
}

}  // namespace tarncli::session
