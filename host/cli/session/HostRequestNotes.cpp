#include "host/cli/session/HostRequestNotes.h"

#include "host/cli/session/ScriptStep.h"
#include "host/lib/SubstituteHost.h"

namespace tarncli::session {

void NoteHostRequests(ScriptContext& context, tarnhost::SubstituteHost& host) {
    host.SourceDisplay().SetListener([&context](const tarnhost::SourceRequest& request) {
        context.Note("source " + request.file + ":" + std::to_string(request.line));
    });
    host.MemoryMapSetting().SetListener([&context](const tarnhost::MemoryMapRequest& request) {
        context.Note("memory map setting of device " + request.device + " (workspace " +
                     request.workspace + ", project " + request.project + ", configuration " +
                     request.configuration + ")");
        context.Note("  " + request.description);
    });
}

}  // namespace tarncli::session
