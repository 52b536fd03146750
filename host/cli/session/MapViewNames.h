// The names by which the command line and scripts call the Map views, with what a person
// reaches each one through: its kind, its context menu and its print command.
#pragma once

#include <string>

namespace tarncli::session {

struct MapViewName {
    const char* name;
    int kind;
    int menu;
    int printCommand;
};

// Null for a name that is not a view.
const MapViewName* FindMapViewName(const std::string& name);
// Null for a kind that is not one of the four views.
const MapViewName* FindMapViewKind(int kind);
// "section-list, symbol-list, ..." for messages.
std::string MapViewNameList();

}  // namespace tarncli::session
