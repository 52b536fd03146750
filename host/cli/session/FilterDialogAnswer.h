// The answers a person gives the symbol list's filter dialog to filter by one column:
// "Enable Filter" on, the column chosen, and either exactly the listed items checked
// (attribute, scope) or the text typed (section, file), then OK.
#pragma once

#include <string>

namespace tarnui {
class HeadlessScript;
}

namespace tarncli::session {

// `option` is COLUMN=VALUE: attribute=Function,Data; scope=Global; section=P; file=main.
// False with the reason when the column or an item is unknown.
bool ParseFilterOption(const std::string& option, std::string* error);
// Queues the dialog's answers for an option that ParseFilterOption accepted.
void QueueFilterDialog(tarnui::HeadlessScript& script, const std::string& option);

}  // namespace tarncli::session
