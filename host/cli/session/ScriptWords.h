// The words of a script line: separated by blanks; a word in double quotes may hold blanks,
// with \" and \\ standing for a quote and a backslash; a '#' that starts a word begins a
// comment to the end of the line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarncli::session {

// Nothing, with the reason, for an unterminated quote.
std::optional<std::vector<std::string>> SplitScriptWords(const std::string& line,
                                                         std::string* error);

}  // namespace tarncli::session
