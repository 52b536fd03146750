// The display options of the component's views (font, text and background colour), read from
// and given to the component through its font-and-colour client, as the host's options dialog
// does; the component redraws its views and keeps the options in the host's options service.
#pragma once

#include <optional>
#include <string>

namespace tarnhost {

class SubstituteHost;

struct DisplayOptions {
    std::string fontName;
    int fontSize = 0;
    int foreground = 0;  // indices into the named colour table
    int background = 0;
    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

// The options of the first font-and-colour client; nothing when no component serves one.
std::optional<DisplayOptions> ReadDisplayOptions(SubstituteHost& host);
void ApplyDisplayOptions(SubstituteHost& host, const DisplayOptions& options);

}  // namespace tarnhost
