// The list text: a heading line of the shown columns, an empty line, then one line per item
// that has text in a shown column. Every shown column takes a field of 80 / columns
// characters; a heading that fills its field is followed by a tab, an item text by nothing.
#pragma once

#include <string>

namespace tarnui {
class ListControl;
}

// Writes the list text to `path` (created or emptied); 1 on success, 0 when the file cannot
// be created.
int WriteListText(const tarnui::ListControl& list, const std::string& path);
