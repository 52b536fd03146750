// The answers a person gives the symbol list's filter dialog to filter by one column:
// "Enable Filter" on, the column chosen, and either exactly the listed items checked
// (attribute, scope) or the text typed (section, file), then OK.
#pragma once

#include <string>

namespace tarnui {
class HeadlessScript;
}

namespace tarncli::session {

// `spec` is COLUMN=VALUE: attribute=Function,Data; scope=Global; section=P; file=main.
// False with the reason when the column or an item is unknown.
bool ParseFilterSpec(const std::string& spec, std::string* error);
// Queues the dialog's answers for a spec that ParseFilterSpec accepted.
void QueueFilterDialog(tarnui::HeadlessScript& script, const std::string& spec);

}  // namespace tarncli::session
