#include "host/lib/WorkspaceClients.h"

#include "src/shell/HostIds.h"

namespace tarnhost {
namespace {

std::vector<IBraeWorkSpaceClient2*> Clients(SubstituteHost& host) {
    return host.HostObject().AdvisedClients<IBraeWorkSpaceClient2>(kIdIBraeWorkSpaceClient2);
}

}  // namespace

void TellWorkspaceOpened(SubstituteHost& host) {
    const Contexts contexts = host.ContextStrings();
    for (auto* client : Clients(host)) {
        client->WorkspaceOpened(contexts.workspace, contexts.project, contexts.config,
                                contexts.device);
    }
}

bool HasUnsavedEdits(SubstituteHost& host) {
    for (auto* client : Clients(host)) {
        int32_t modified = 0;
        client->QueryModified(0, &modified);
        if (modified != 0) {
            return true;
        }
    }
    return false;
}

bool SettleEdits(SubstituteHost& host) {
    for (auto* client : Clients(host)) {
        if (client->SettleEdits(0) < 0) {
            return false;
        }
    }
    return true;
}

bool SaveWorkspace(SubstituteHost& host, std::string* error) {
    if (host.OpenWorkspace() == nullptr) {
        *error = "no workspace is open";
        return false;
    }
    if (!SettleEdits(host)) {
        *error = "the edits were kept unsettled";
        return false;
    }
    const Contexts contexts = host.ContextStrings();
    for (auto* client : Clients(host)) {
        client->WorkspaceSave(contexts.workspace, contexts.project, contexts.device);
    }
    WorkspaceDataService* data = host.WorkspaceData();
    if (data != nullptr && !data->LastError().empty()) {
        *error = data->LastError();
        return false;
    }
    return true;
}

void TellWorkspaceClosing(SubstituteHost& host) {
    for (auto* client : Clients(host)) {
        client->WorkspaceClosing(0, 0, 0, 0);
    }
}

}  // namespace tarnhost
