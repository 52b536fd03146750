// Opening the Map window of a view through the command sink's open by type.
#pragma once

#include <string>

namespace tarncli::session {

class MapSession;

// The window that holds the named view: "section-settings" and "section-list" the section
// information window, "symbol-list" and "section-tree" the symbol information window (each
// window opens with both its views).
// False with the reason when there is no such window or it is open already.
bool OpenMapWindow(MapSession& session, const std::string& viewName, std::string* error);

}  // namespace tarncli::session
