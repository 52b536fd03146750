// What the host tells the components' workspace clients: a workspace opened, the edits to
// settle before a save or a close, the save, and the close.
#pragma once

#include <string>

#include "host/lib/SubstituteHost.h"

namespace tarnhost {

// Every client learns the open workspace's four context strings.
void TellWorkspaceOpened(SubstituteHost& host);
// Whether some client holds edits that it has not handed to the host.
bool HasUnsavedEdits(SubstituteHost& host);
// Lets every client settle its edits (a client asks the person itself); false when one
// answers that they must stay.
bool SettleEdits(SubstituteHost& host);
// Settles the edits, then lets every client write its part of the workspace data. False
// with the reason when no workspace is open or the data file could not be written.
bool SaveWorkspace(SubstituteHost& host, std::string* error);
// Every client closes what belongs to the workspace.
void TellWorkspaceClosing(SubstituteHost& host);

}  // namespace tarnhost
