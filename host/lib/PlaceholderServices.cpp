#include "host/lib/PlaceholderServices.h"

#include <cstdlib>
#include <filesystem>

#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

using tarnui::Utf8ToUtf16;

std::vector<HostNameValue> ToHost(const std::vector<std::pair<std::string, std::string>>& list) {
    std::vector<HostNameValue> out;
    for (const auto& [name, value] : list) {
        out.push_back({Utf8ToUtf16(name), Utf8ToUtf16(value)});
    }
    return out;
}

}  // namespace

PlaceholderService::PlaceholderService(const Workspace* workspace, std::string installDir)
    : HostObject(kIdPlaceholderService),
      workspace_(workspace),
      installDir_(std::move(installDir)) {}

bool PlaceholderService::Names(const WString& workspace, const WString* project,
                               const WString* config) const {
    if (workspace_ == nullptr || workspace != Utf8ToUtf16(workspace_->WorkspaceName())) {
        return false;
    }
    if (project != nullptr && *project != Utf8ToUtf16(workspace_->ProjectName())) {
        return false;
    }
    return config == nullptr || *config == Utf8ToUtf16(workspace_->ConfigName());
}

HResult PlaceholderService::Answer(bool known, const std::string& value, WString* out) const {
    if (out == nullptr || !known) {
        return kStatusFail;
    }
    *out = Utf8ToUtf16(value);
    return kStatusOk;
}

HResult PlaceholderService::GetBraeDir(WString* dir) {
    return Answer(true, installDir_, dir);
}

HResult PlaceholderService::GetTempDir(WString* dir) {
    std::error_code ec;
    const auto temp = std::filesystem::temp_directory_path(ec);
    return Answer(!ec, temp.string(), dir);
}

HResult PlaceholderService::GetCurrentConfigName(WString* name) {
    return Answer(workspace_ != nullptr, workspace_ ? workspace_->ConfigName() : "", name);
}
HResult PlaceholderService::GetCurrentProjectName(WString* name) {
    return Answer(workspace_ != nullptr, workspace_ ? workspace_->ProjectName() : "", name);
}
HResult PlaceholderService::GetCurrentWorkspaceName(WString* name) {
    return Answer(workspace_ != nullptr, workspace_ ? workspace_->WorkspaceName() : "", name);
}

HResult PlaceholderService::GetConfigName(const WString& workspace, const WString& project,
                                          const WString& config, WString* name) {
    const bool known = Names(workspace, &project, &config);
    return Answer(known, known ? workspace_->ConfigName() : "", name);
}
HResult PlaceholderService::GetProjectName(const WString& workspace, const WString& project,
                                           WString* name) {
    const bool known = Names(workspace, &project, nullptr);
    return Answer(known, known ? workspace_->ProjectName() : "", name);
}
HResult PlaceholderService::GetWorkspaceName(const WString& workspace, WString* name) {
    const bool known = Names(workspace, nullptr, nullptr);
    return Answer(known, known ? workspace_->WorkspaceName() : "", name);
}
HResult PlaceholderService::GetConfigDir(const WString& workspace, const WString& project,
                                         const WString& config, WString* dir) {
    const bool known = Names(workspace, &project, &config);
    return Answer(known, known ? workspace_->ConfigDir() : "", dir);
}
HResult PlaceholderService::GetProjectDir(const WString& workspace, const WString& project,
                                          WString* dir) {
    const bool known = Names(workspace, &project, nullptr);
    return Answer(known, known ? workspace_->ProjectDir() : "", dir);
}
HResult PlaceholderService::GetWorkspaceDir(const WString& workspace, WString* dir) {
    const bool known = Names(workspace, nullptr, nullptr);
    return Answer(known, known ? workspace_->WorkspaceDir() : "", dir);
}

HResult PlaceholderService::IsWorkspaceOpen(int32_t* open) {
    if (open == nullptr) {
        return kStatusFail;
    }
    *open = workspace_ != nullptr ? 1 : 0;
    return kStatusOk;
}

CustomPlaceholderService::CustomPlaceholderService(
    const Workspace* workspace, std::vector<std::pair<std::string, std::string>> hostWide)
    : HostObject(kIdCustomPlaceholderService),
      workspace_(workspace),
      hostWide_(std::move(hostWide)) {}

HResult CustomPlaceholderService::GetHostPlaceholders(std::vector<HostNameValue>* list) {
    if (list == nullptr) {
        return kStatusFail;
    }
    *list = ToHost(hostWide_);
    return kStatusOk;
}

HResult CustomPlaceholderService::GetWorkspacePlaceholders(const WString& workspace,
                                                           std::vector<HostNameValue>* list) {
    if (list == nullptr || workspace_ == nullptr ||
        workspace != Utf8ToUtf16(workspace_->WorkspaceName())) {
        return kStatusFail;
    }
    *list = ToHost(workspace_->CustomPlaceholders());
    return kStatusOk;
}

std::vector<std::pair<std::string, std::string>> ReadHostPlaceholders(const std::string& path,
                                                                      std::string* error) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return {};
    }
    std::string text;
    WorkspaceFile file;
    std::string parseError;
    if (!ReadTextFile(path, &text, error)) {
        return {};
    }
    if (!file.Parse(text, &parseError)) {
        *error = path + ":" + parseError;
        return {};
    }
    const auto* section = file.FindSection("placeholders");
    return section != nullptr ? section->Entries()
                              : std::vector<std::pair<std::string, std::string>>{};
}

}  // namespace tarnhost
