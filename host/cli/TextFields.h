// How the command line's tab-separated output writes a text: a tab, newline or backslash as
// \t, \n, \\ (a carriage return as \r), so that every row stays one line.
#pragma once

#include <string>
#include <string_view>

namespace tarncli {

std::string EscapeField(std::string_view text);

}  // namespace tarncli
