// "tarnmap script FILE": runs the steps of a script one by one as a person's session, each
// step echoed, then what the person saw. A script that cannot go on stops with its file and
// line on standard error and exit status 2.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarncli::session {

int RunScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarncli::session
