// The command sink as the host's workspace client: the workspace's keys and context when it
// opens, the Map windows, each view's own state and the find history saved with it and
// restored from it, and everything closed when it closes.
#include <algorithm>

#include "platform/text/Utf.h"
#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/shell/CWorkspaceDataAccessor.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/framework/FrameworkMessages.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/shell/sink/FindHistoryText.h"
#include "src/views/CTarnMapListInstanceCtrl.h"
#include "src/views/CTarnMapTreeInstanceCtrl.h"

namespace {

// The layout key of each view kind, in the order the layout is saved.
constexpr const char* kTypeKeys[kMapViewKindCount] = {"MapSctSetTreeWnd", "MapSctListWnd",
                                                      "MapSctTreeWnd", "MapSymListWnd"};
constexpr const char* kViewCountKey = "MapCtrlViews";
constexpr const char* kSectionWindowCountKey = "MapCtrlViewsSCT";
constexpr const char* kSymbolWindowCountKey = "MapCtrlViewsSYM";
constexpr const char* kFindHistoryKey = "MapCtrlTARN_MAP_FIND_SYMBOL_LIST";

std::string InstanceKeyName(int kind, int index) {
    return std::string(kTypeKeys[kind]) + "InstanceKey" + std::to_string(index);
}

void SaveViewState(CTarnDebugInstanceDataCtrlEx* view, CWorkspaceDataAccessor& accessor,
                   const std::string& name) {
    if (auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(view)) {
        list->SaveInstanceSettings(accessor, name);
    } else if (auto* tree = dynamic_cast<CTarnMapTreeInstanceCtrl*>(view)) {
        tree->SaveInstanceSettings(accessor, name);
    }
}

void LoadViewState(CTarnDebugInstanceDataCtrlEx* view, CWorkspaceDataAccessor& accessor,
                   const std::string& name) {
    if (auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(view)) {
        list->LoadInstanceSettings(accessor, name);
    } else if (auto* tree = dynamic_cast<CTarnMapTreeInstanceCtrl*>(view)) {
        tree->LoadInstanceSettings(accessor, name);
    }
}

}  // namespace

HResult CTarnMapDataCommandSink::SettleEdits(int32_t value) {
    const ScopedComponentState resources;
    HResult answer = kStatusOk;
    for (const auto& view : Views()) {
        answer = view->EndEditing(value);
        if (answer < 0) {
            return answer;
        }
    }
    return answer;
}

HResult CTarnMapDataCommandSink::QueryModified(intptr_t /*value*/, int32_t* modified) {
    for (CTarnMapSectionSettingTreeInstanceCtrl* tree : SectionSettingTrees()) {
        if (tree->Modified() && modified != nullptr) {
            *modified = 1;
        }
    }
    return kStatusOk;
}

HResult CTarnMapDataCommandSink::WorkspaceOpened(const WString& a, const WString& b,
                                                 const WString& c, const WString& d) {
    const ScopedComponentState resources;
    WString first;
    WString second;
    if (auto* info = GetHostService<IBraeProjectInfo>(Host(), kIdProjectInformationService)) {
        if (Failed(info->GetFirstKeyPart(a, b, &first))) {
            first.clear();
        }
        if (Failed(info->GetSecondKeyPart(a, b, d, &second))) {
            second.clear();
        }
    }
    const std::string parts = tarnui::Utf16ToUtf8(first) + tarnui::Utf16ToUtf8(second);
    sectionKey_ = kSectionKeyPrefix + parts;
    symbolKey_ = kSymbolKeyPrefix + parts;
    thirdContext_ = c;
    data_->SetContext(a, b, c, d);
    RunLinkerOptionQuery();
    auto* service = GetHostService<IBraeWorkspaceData>(Host(), kIdWorkspaceDataService);
    if (linkerOptionsAvailable_ && service != nullptr) {
        CWorkspaceDataAccessor accessor(service, a, b, c, d, kIdTarnMapDataSection);
        RestoreLayout(accessor);
    }
    workspaceOpen_ = true;
    return kStatusOk;
}

HResult CTarnMapDataCommandSink::WorkspaceSave(const WString& a, const WString& b,
                                               const WString& e) {
    const ScopedComponentState resources;
    auto* service = GetHostService<IBraeWorkspaceData>(Host(), kIdWorkspaceDataService);
    auto* save = GetHostService<IUnknown>(Host(), kIdWorkspaceSaveService);
    if (service == nullptr || save == nullptr) {
        return kStatusOk;
    }
    CWorkspaceDataAccessor accessor(service, a, b, thirdContext_, e, kIdTarnMapDataSection);
    SaveLayout(accessor);
    return kStatusOk;
}

HResult CTarnMapDataCommandSink::WorkspaceClosing(intptr_t, intptr_t, intptr_t, intptr_t) {
    const ScopedComponentState resources;
    std::vector<tarnui::Window*> windows;
    for (const auto& view : Views()) {
        windows.push_back(view.get());
    }
    for (tarnui::Window* window : windows) {
        SendMessage(kMsgViewClosing, reinterpret_cast<tarnui::MessageParam>(window));
    }
    workspaceOpen_ = false;
    ClearLists();
    CountPrintableViews();
    linkerOptionFlags_ = 0;
    linkerOptionValue2_ = 0;
    linkerOptionsAvailable_ = false;
    return kStatusOk;
}

void CTarnMapDataCommandSink::SaveLayout(CWorkspaceDataAccessor& accessor) {
    const int open = static_cast<int>(Views().size());
    accessor.WriteNumber(kViewCountKey, open);
    if (open >= 1) {
        for (int kind = 0; kind < kMapViewKindCount; ++kind) {
            auto& list = typedViews_[static_cast<size_t>(kind)];
            // A view that closed without the sink's notice is dropped from its list.
            std::erase_if(list, [this](CTarnDebugInstanceDataCtrlEx* view) {
                return FindView(view) == nullptr;
            });
            for (size_t i = 0; i < list.size(); ++i) {
                SaveViewState(list[i], accessor, kTypeKeys[kind] + std::to_string(i));
                const auto key = instanceKeys_.find(list[i]);
                if (key != instanceKeys_.end()) {
                    accessor.WriteString(InstanceKeyName(kind, static_cast<int>(i)), key->second);
                }
            }
            if (kind == kViewSectionSettingTree) {
                accessor.WriteNumber(kSectionWindowCountKey, static_cast<int32_t>(list.size()));
            } else if (kind == kViewSectionTree) {
                accessor.WriteNumber(kSymbolWindowCountKey, static_cast<int32_t>(list.size()));
            }
        }
    }
    accessor.WriteString(kFindHistoryKey, JoinFindHistory(findHistory_));
}

void CTarnMapDataCommandSink::RestoreLayout(CWorkspaceDataAccessor& accessor) {
    int32_t wanted = 0;
    accessor.ReadNumber(kViewCountKey, 0, wanted);
    // Each pass opens what the stored counts name; a pass that adds nothing ends the loop,
    // so stored data that does not add up cannot keep it going.
    while (static_cast<int32_t>(Views().size()) < wanted) {
        const size_t before = Views().size();
        int32_t count = 0;
        std::string key;
        if (accessor.ReadNumber(kSectionWindowCountKey, 0, count) && count > 0 &&
            OpenCount(kWindowSectionInformation) == 0) {
            accessor.ReadString(InstanceKeyName(kViewSectionSettingTree, 0), "", key);
            if (!key.empty()) {
                OpenByKey(key);
            }
        }
        count = 0;
        if (accessor.ReadNumber(kSymbolWindowCountKey, 0, count) && count > 0 &&
            OpenCount(kWindowSymbolInformation) == 0) {
            accessor.ReadString(InstanceKeyName(kViewSectionTree, 0), "", key);
            if (!key.empty()) {
                OpenByKey(key);
            }
        }
        if (Views().size() == before) {
            break;
        }
    }
    // The views are filled before their states are given back: a tree can expand only the
    // items it holds.
    Reload(kReloadAll);
    Refresh(kReloadAll);
    if (!Views().empty()) {
        for (int kind = 0; kind < kMapViewKindCount; ++kind) {
            auto& list = typedViews_[static_cast<size_t>(kind)];
            std::erase_if(list, [this](CTarnDebugInstanceDataCtrlEx* view) {
                return FindView(view) == nullptr;
            });
            for (size_t i = 0; i < list.size(); ++i) {
                LoadViewState(list[i], accessor, kTypeKeys[kind] + std::to_string(i));
            }
        }
    }
    std::string history;
    accessor.ReadString(kFindHistoryKey, "", history);
    findHistory_ = SplitFindHistory(history);
}
