#include "src/util/PlaceholderContext.h"

#include <vector>

#include "platform/text/Utf.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/util/PlaceholderLocalValues.h"
#include "src/util/PlaceholderTable.h"

namespace placeholder {
namespace {

std::string ToUtf8(const WString& text) {
    return tarnui::Utf16ToUtf8(text);
}

// The host's answer, or empty when the call failed.
template <class Call>
std::string Ask(Call&& call) {
    WString value;
    return Succeeded(call(&value)) ? ToUtf8(value) : std::string();
}

}  // namespace

Context::Context(IBraeHost* host, const std::string* fileName,
                 const PlaceholderSystemValues& system)
    : placeholders_(GetHostService<IBraePlaceholders>(host, kIdPlaceholderService)),
      custom_(GetHostService<IBraeCustomPlaceholders>(host, kIdCustomPlaceholderService)),
      fileName_(fileName != nullptr && !fileName->empty() ? fileName : nullptr),
      system_(system) {}

Context::~Context() {
    if (custom_ != nullptr) {
        custom_->Release();
    }
    if (placeholders_ != nullptr) {
        placeholders_->Release();
    }
}

std::optional<std::string> Context::Resolve(std::string_view name) {
    const TableMatch match = LookUp(name);
    switch (match.kind) {
        case TableMatch::kError:
            return std::nullopt;
        case TableMatch::kEntry: {
            std::string value = TableValue(match.index, name);
            if (value.empty()) {
                return std::nullopt;
            }
            return value;
        }
        case TableMatch::kUnknown:
            break;
    }
    return CustomValue(name);
}

std::string Context::TableValue(int index, std::string_view name) {
    switch (index) {
        case kFullFile:
        case kFileName:
        case kFileLeaf:
        case kFileDir:
        case kExtension:
            return FileValue(index);
        case kBraeDir:
        case kTempDir:
        case kWorkspDir:
        case kWorkspName:
        case kProjDir:
        case kProjectName:
        case kConfigName:
        case kConfigDir:
            return HostValue(index);
        case kWinDir:
            return std::string(kSystemDirectory);
        case kWinSysDir:
            return std::string(kSystemLibraryDirectory);
        case kTime:
            return FormatLocalTime(system_.now, "%H:%M:%S");
        case kDateText:
            return FormatLocalTime(system_.now, "%B %d, %Y");
        case kDateDmy:
            return FormatLocalTime(system_.now, "%d/%m/%Y");
        case kDateMdy:
            return FormatLocalTime(system_.now, "%m/%d/%Y");
        case kDateYmd:
            return FormatLocalTime(system_.now, "%Y/%m/%d");
        case kUser:
            return BoundUserName(system_.userName);
        case kUserInput:
            return "$(" + std::string(name) + ")";
        default:
            // Placeholders that other callers fill in stand for themselves here.
            return LongForm(index);
    }
}

std::string Context::FileValue(int index) const {
    if (fileName_ == nullptr) {
        return LongForm(index);
    }
    FileNameParts parts = SplitFileName(*fileName_);
    switch (index) {
        case kFullFile:
            return parts.fullFile;
        case kFileName:
            return parts.fileName;
        case kFileLeaf:
            return parts.fileLeaf;
        case kFileDir:
            return parts.fileDir;
        default:
            return parts.extension;
    }
}

std::string Context::HostValue(int index) {
    IBraePlaceholders* const service = placeholders_;
    if (service == nullptr) {
        return {};
    }
    if (index == kBraeDir) {
        return Ask([&](WString* out) { return service->GetBraeDir(out); });
    }
    if (index == kTempDir) {
        return Ask([&](WString* out) { return service->GetTempDir(out); });
    }
    // The rest belong to the current workspace, project or configuration; without the names
    // they need they stand for themselves.
    const CurrentNames& names = Names();
    const bool needsProject =
        index == kProjDir || index == kProjectName || index == kConfigName || index == kConfigDir;
    const bool needsConfig = index == kConfigName || index == kConfigDir;
    if (names.workspace.empty() || (needsProject && names.project.empty()) ||
        (needsConfig && names.config.empty())) {
        return LongForm(index);
    }
    const WString& ws = names.workspace;
    const WString& project = names.project;
    const WString& config = names.config;
    switch (index) {
        case kWorkspDir:
            return Ask([&](WString* out) { return service->GetWorkspaceDir(ws, out); });
        case kWorkspName:
            return Ask([&](WString* out) { return service->GetWorkspaceName(ws, out); });
        case kProjDir:
            return Ask([&](WString* out) { return service->GetProjectDir(ws, project, out); });
        case kProjectName:
            return Ask([&](WString* out) { return service->GetProjectName(ws, project, out); });
        case kConfigName:
            return Ask(
                [&](WString* out) { return service->GetConfigName(ws, project, config, out); });
        default:
            return Ask(
                [&](WString* out) { return service->GetConfigDir(ws, project, config, out); });
    }
}

const Context::CurrentNames& Context::Names() {
    if (!names_) {
        CurrentNames names;
        if (placeholders_ != nullptr) {
            if (Failed(placeholders_->GetCurrentWorkspaceName(&names.workspace))) {
                names.workspace.clear();
            }
            if (Failed(placeholders_->GetCurrentProjectName(&names.project))) {
                names.project.clear();
            }
            if (Failed(placeholders_->GetCurrentConfigName(&names.config))) {
                names.config.clear();
            }
        }
        names_ = std::move(names);
    }
    return *names_;
}

std::optional<std::string> Context::CustomValue(std::string_view name) {
    const std::string key(name);
    std::optional<std::string> value;
    const Map& hostMap = HostMap();
    if (auto found = hostMap.find(key); found != hostMap.end()) {
        value = found->second;
    }
    if (!value || value->empty()) {
        const Map& workspaceMap = WorkspaceMap();
        if (auto found = workspaceMap.find(key); found != workspaceMap.end()) {
            value = found->second;
        }
    }
    return value;
}

namespace {

// A later entry of the same name replaces an earlier one.
void Fill(const std::vector<HostNameValue>& list,
          std::unordered_map<std::string, std::string>* map) {
    for (const HostNameValue& entry : list) {
        (*map)[ToUtf8(entry.name)] = ToUtf8(entry.value);
    }
}

}  // namespace

const Context::Map& Context::HostMap() {
    if (!hostMap_) {
        hostMap_.emplace();
        std::vector<HostNameValue> list;
        if (custom_ != nullptr && Succeeded(custom_->GetHostPlaceholders(&list))) {
            Fill(list, &*hostMap_);
        }
    }
    return *hostMap_;
}

const Context::Map& Context::WorkspaceMap() {
    if (!workspaceMap_) {
        workspaceMap_.emplace();
        int32_t open = 0;
        if (custom_ != nullptr && placeholders_ != nullptr &&
            Succeeded(placeholders_->IsWorkspaceOpen(&open)) && open != 0) {
            std::vector<HostNameValue> list;
            if (Succeeded(custom_->GetWorkspacePlaceholders(Names().workspace, &list))) {
                Fill(list, &*workspaceMap_);
            }
        }
    }
    return *workspaceMap_;
}

}  // namespace placeholder
