#include "host/lib/SourceServices.h"

#include <filesystem>

#include "host/lib/WorkspaceElf.h"
#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

// The value of a placeholder name (long or short form), or false when it is not known here.
bool Lookup(const Workspace& workspace,
            const std::vector<std::pair<std::string, std::string>>& hostWide,
            const std::string& name, std::string& value) {
    const std::pair<const char*, const char*> names[] = {{"WORKSPDIR", "WD"}, {"WORKSPNAME", "WN"},
                                                         {"PROJDIR", "PD"},   {"PROJECTNAME", "PN"},
                                                         {"CONFIGDIR", "CD"}, {"CONFIGNAME", "CN"}};
    const std::string values[] = {workspace.WorkspaceDir(), workspace.WorkspaceName(),
                                  workspace.ProjectDir(),   workspace.ProjectName(),
                                  workspace.ConfigDir(),    workspace.ConfigName()};
    for (size_t i = 0; i < std::size(names); ++i) {
        if (name == names[i].first || name == names[i].second) {
            value = values[i];
            return true;
        }
    }
    // The workspace's own custom placeholders come before the host-wide ones.
    for (const auto& list : {workspace.CustomPlaceholders(), hostWide}) {
        for (const auto& [key, text] : list) {
            if (key == name) {
                value = text;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

SourceLookupService::SourceLookupService(
    const Workspace* workspace, std::vector<std::pair<std::string, std::string>> hostPlaceholders)
    : HostObject(kIdSourceLookupService),
      workspace_(workspace),
      hostPlaceholders_(std::move(hostPlaceholders)) {}

std::string SourceLookupService::ExpandPath(const std::string& file) const {
    std::string out;
    size_t at = 0;
    while (at < file.size()) {
        const size_t open = file.find("$(", at);
        const size_t close = open == std::string::npos ? open : file.find(')', open + 2);
        if (close == std::string::npos) {
            out += file.substr(at);
            break;
        }
        out += file.substr(at, open - at);
        std::string value;
        const std::string name = file.substr(open + 2, close - open - 2);
        out += Lookup(*workspace_, hostPlaceholders_, name, value)
                   ? value
                   : file.substr(open, close - open + 1);
        at = close + 1;
    }
    const std::filesystem::path path(out);
    if (path.is_absolute()) {
        return path.lexically_normal().string();
    }
    return (std::filesystem::path(workspace_->WorkspaceDir()) / path).lexically_normal().string();
}

HResult SourceLookupService::LookupAddress(uint32_t address, WString* file, int32_t* line) {
    if (workspace_ == nullptr || file == nullptr || line == nullptr) {
        return kStatusFail;
    }
    if (const auto location = workspace_->SourceOf(address)) {
        *file = tarnui::Utf8ToUtf16(ExpandPath(location->file));
        *line = location->line;
        return kStatusOk;
    }
    // Without a table entry, the linked ELF file's line table answers.
    const auto location = DebugSourceOf(*workspace_, address);
    if (!location) {
        return kStatusFail;
    }
    *file = tarnui::Utf8ToUtf16(location->file);
    *line = location->line;
    return kStatusOk;
}

SourceDisplayService::SourceDisplayService() : HostObject(kIdSourceDisplayService) {}

HResult SourceDisplayService::ShowSourceLine(const WString& file, int32_t line, int32_t* result) {
    SourceRequest request{tarnui::Utf16ToUtf8(file), line};
    requests_.push_back(request);
    if (listener_) {
        listener_(request);
    }
    if (result != nullptr) {
        *result = 1;
    }
    return kStatusOk;
}

}  // namespace tarnhost
