// The symbol find history as the workspace keeps it: one string, the entries joined with "+".
// An entry that holds "+" comes back as several entries.
#pragma once

#include <string>
#include <vector>

std::string JoinFindHistory(const std::vector<std::string>& entries);
// Every piece between "+" characters, the last one included; "" gives no entries.
std::vector<std::string> SplitFindHistory(const std::string& text);
