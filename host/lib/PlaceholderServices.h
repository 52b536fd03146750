// The placeholder service (names and directories of the open workspace, project and
// configuration) and the custom placeholder service (host-wide and workspace lists).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"
#include "host/lib/Workspace.h"

namespace tarnhost {

class PlaceholderService final : public HostObject<IBraePlaceholders> {
public:
    // workspace may be null: no workspace is open.
    PlaceholderService(const Workspace* workspace, std::string installDir);

    HResult GetBraeDir(WString* dir) override;
    HResult GetTempDir(WString* dir) override;
    HResult GetCurrentConfigName(WString* name) override;
    HResult GetCurrentProjectName(WString* name) override;
    HResult GetCurrentWorkspaceName(WString* name) override;
    HResult GetConfigName(const WString& workspace, const WString& project, const WString& config,
                          WString* name) override;
    HResult GetProjectName(const WString& workspace, const WString& project,
                           WString* name) override;
    HResult GetWorkspaceName(const WString& workspace, WString* name) override;
    HResult GetConfigDir(const WString& workspace, const WString& project, const WString& config,
                         WString* dir) override;
    HResult GetProjectDir(const WString& workspace, const WString& project, WString* dir) override;
    HResult GetWorkspaceDir(const WString& workspace, WString* dir) override;
    HResult IsWorkspaceOpen(int32_t* open) override;

    // The host opened another workspace (null: none is open).
    void SetWorkspace(const Workspace* workspace) { workspace_ = workspace; }

private:
    bool Names(const WString& workspace, const WString* project, const WString* config) const;
    HResult Answer(bool known, const std::string& value, WString* out) const;

    const Workspace* workspace_;
    std::string installDir_;
};

class CustomPlaceholderService final : public HostObject<IBraeCustomPlaceholders> {
public:
    CustomPlaceholderService(const Workspace* workspace,
                             std::vector<std::pair<std::string, std::string>> hostWide);

    HResult GetHostPlaceholders(std::vector<HostNameValue>* list) override;
    HResult GetWorkspacePlaceholders(const WString& workspace,
                                     std::vector<HostNameValue>* list) override;

    void SetWorkspace(const Workspace* workspace) { workspace_ = workspace; }

private:
    const Workspace* workspace_;
    std::vector<std::pair<std::string, std::string>> hostWide_;
};

// Reads the host-wide custom placeholders ("[placeholders]" entries) from a per-user file;
// a missing file gives none.
std::vector<std::pair<std::string, std::string>> ReadHostPlaceholders(const std::string& path,
                                                                      std::string* error);

}  // namespace tarnhost
