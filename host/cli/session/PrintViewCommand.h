// "tarnmap print": opens a Map view as the command sink does, takes the options as a person's
// actions in that view, and writes the text that printing the view puts into its temporary
// file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli::session {

int RunPrintView(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli::session
