// What the host is asked to show on its own (a source line, the device's memory map
// settings), written into the transcript as it happens.
#pragma once

namespace tarnhost {
class SubstituteHost;
}

namespace tarncli::session {

class ScriptContext;

void NoteHostRequests(ScriptContext& context, tarnhost::SubstituteHost& host);

}  // namespace tarncli::session
