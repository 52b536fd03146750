// Opening the two kinds of Map windows as the command sink opens them: the panes under the
// window's key and caption, the views made and created in them in order, each given the
// sink's font and colours; then the frames shown, the models read and the new views
// refreshed, first view first.
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
