// Steps that start a session ("workspace FILE", "map FILE") and that stand for the host's
// rebuild of the listing ("reload") and its lock around a build ("lock on|off").
#include "host/cli/HostSession.h"
#include "host/cli/session/HostRequestNotes.h"
#include "host/cli/session/MapSession.h"
#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/SessionBackend.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace tarncli::session {
namespace {

std::string Start(ScriptContext& context, std::unique_ptr<tarnhost::SubstituteHost> host,
                  const std::string& error) {
    if (host == nullptr) {
        return error;
    }
    for (const auto& warning : host->OpenWorkspace()->Warnings()) {
        context.Note("warning: " + warning);
    }
    NoteHostRequests(context, *host);
    // One session at a time: the earlier one closes its views before the next starts.
    context.SetSession(nullptr);
    std::string failure;
    auto session = MapSession::Start(std::move(host), &failure);
    if (session == nullptr) {
        return failure;
    }
    context.SetSession(std::move(session));
    return {};
}

// After a rebuild the sink reads the listing again and refreshes the views that show it.
std::string Reload(ScriptContext& context, const StepArguments& /*args*/) {
    std::string error;
    MapSession* session = context.Session(&error);
    if (session == nullptr) {
        return error;
    }
    session->Sink().Reload(kReloadLinkMap);
    session->Sink().Refresh(kReloadLinkMap);
    return {};
}

// The host's build starts or ends: the lock around it.
std::string Lock(ScriptContext& context, const StepArguments& args) {
    std::string error;
    MapSession* session = context.Session(&error);
    if (session == nullptr) {
        return error;
    }
    if (args[0] != "on" && args[0] != "off") {
        return "lock is on or off, not \"" + args[0] + "\"";
    }
    session->SetHostLock(args[0] == "on");
    return {};
}

}  // namespace

void AddSessionSteps(ScriptStepTable& table) {
    table.Add(
        {"workspace", "FILE", 1, 1, false, [](ScriptContext& context, const StepArguments& args) {
             std::string error;
             auto host = OpenWorkspaceHost(context.ResolvePath(args[0]), &error);
             return Start(context, std::move(host), error);
         }});
    table.Add({"map", "FILE", 1, 1, false, [](ScriptContext& context, const StepArguments& args) {
                   std::string error;
                   auto host = OpenListingHost(context.ResolvePath(args[0]), &error);
                   return Start(context, std::move(host), error);
               }});
    table.Add({"reload", "", 0, 0, false, &Reload});
    table.Add({"lock", "on|off", 1, 1, false, &Lock});
}

}  // namespace tarncli::session
