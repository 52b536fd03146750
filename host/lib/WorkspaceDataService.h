// The workspace data service: numbers and strings that components keep with a workspace,
// in "<workspace file>.data" beside the workspace file (in memory only for an in-memory
// workspace). Each address, the four context strings and the component's data section, is
// one "[section]" named by the five names joined with "|", each escaped as StoreText.h
// says, e.g. "[Demo|blinky|Debug|TM32F100|{6B2A}]"; the keys are the component's own.
#pragma once

#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/KeyValueStore.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

class WorkspaceDataService final : public HostObject<IBraeWorkspaceData> {
public:
    explicit WorkspaceDataService(const Workspace& workspace);

    // The data file of a workspace; empty for an in-memory workspace.
    static std::string DataPath(const Workspace& workspace);
    // The file's section name of an address.
    static std::string SectionName(const Address& where);

    HResult WriteNumber(const Address& where, const WString& key, int32_t value) override;
    HResult ReadNumber(const Address& where, const WString& key, int32_t* value) override;
    HResult WriteString(const Address& where, const WString& key, const WString& value) override;
    HResult ReadString(const Address& where, const WString& key, WString* value) override;

    const std::string& Path() const { return store_.Path(); }
    const std::string& LastError() const { return store_.LastError(); }

private:
    KeyValueStore store_;
};

}  // namespace tarnhost
