// The command sink's Map windows: the "Map..." command, opening a window by type or by key
// (two panes, two views, font and colours, pairing), and the views' closing and hiding.
#include <algorithm>

#include "platform/dialogs/DialogIds.h"
#include "platform/resources/ResourceContext.h"
#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/CDlgSelectMapType.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/shell/sink/MapViewFactory.h"
#include "src/views/CTarnMapSectionTreeInstanceCtrl.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

namespace {

struct PaneStyle {
    uint32_t style;
    int32_t dockBar;
};
// The first view's pane docks at the bottom; the second sits among the documents.
constexpr PaneStyle kPaneStyles[] = {{0x1A04, kDockBarBottom}, {0x400, 0}};

constexpr int kCaptionStrings[kMapWindowTypeCount] = {tarnres::kStrMapSectionInformation,
                                                      tarnres::kStrMapSymbolInformation};

std::string WindowCaption(int type) {
    const ScopedComponentState resources;
    return tarnui::LoadString(kCaptionStrings[type]);
}

}  // namespace

const std::string& CTarnMapDataCommandSink::WindowKey(int type) const {
    return type == kWindowSectionInformation ? sectionKey_ : symbolKey_;
}

bool CTarnMapDataCommandSink::OpenMapEnabled() const {
    return linkerOptionsAvailable_ && workspaceOpen_ &&
           std::any_of(openCounts_.begin(), openCounts_.end(), [](int16_t n) { return n == 0; });
}

// The enable rule is the menu's: a stored key of neither type runs this during the restore,
// before the workspace counts as open.
void CTarnMapDataCommandSink::OnOpenMap() {
    const ScopedComponentState resources;
    CDlgSelectMapType dialog(this);
    std::vector<int> offered;
    for (int type = 0; type < kMapWindowTypeCount; ++type) {
        if (OpenCount(type) != 0) {
            continue;
        }
        std::string caption = WindowCaption(type);
        if (caption.empty()) {
            break;
        }
        dialog.AddName(std::move(caption));
        offered.push_back(type);
    }
    if (dialog.DoModal() != tarnui::IDOK) {
        return;
    }
    const std::string chosen = dialog.SelectedName();
    for (int type : offered) {
        if (!chosen.empty() && WindowCaption(type) == chosen) {
            OpenByType(type);
            return;
        }
    }
}

bool CTarnMapDataCommandSink::OpenByType(int type) {
    const ScopedComponentState resources;
    if (type < 0 || type >= kMapWindowTypeCount || !CreateMapWindow(type, WindowKey(type))) {
        return false;
    }
    Reload(type == kWindowSectionInformation ? kReloadAll : kReloadLinkMap);
    const auto& firstViews =
        typedViews_[type == kWindowSectionInformation ? kViewSectionSettingTree : kViewSectionTree];
    const auto& secondViews =
        typedViews_[type == kWindowSectionInformation ? kViewSectionList : kViewSymbolList];
    // The frames are shown before the views refresh: a view fills itself only while shown.
    CViewFrameManager* frames = FrameManager();
    if (frames != nullptr && !firstViews.empty()) {
        frames->RequestFrameState(firstViews.back()->Frame(), kFrameShowAndActivate);
    }
    if (frames != nullptr && !secondViews.empty()) {
        frames->RequestFrameState(secondViews.back()->Frame(), kFrameShowAndActivate);
    }
    if (!firstViews.empty()) {
        firstViews.back()->Refresh();
    }
    if (!secondViews.empty()) {
        secondViews.back()->Refresh();
    }
    ++openCounts_[static_cast<size_t>(type)];
    return true;
}

bool CTarnMapDataCommandSink::OpenByKey(const std::string& key) {
    const ScopedComponentState resources;
    int type = -1;
    if (key.find(kSectionKeyPrefix) != std::string::npos) {
        type = kWindowSectionInformation;
    } else if (key.find(kSymbolKeyPrefix) != std::string::npos) {
        type = kWindowSymbolInformation;
    } else {
        OnOpenMap();
        return false;
    }
    if (!CreateMapWindow(type, key)) {
        return false;
    }
    CViewFrameManager* frames = FrameManager();
    if (frames != nullptr && (frames->ShowWindowForKey(key) & kFrameShown) != 0) {
        for (const auto& view : Views()) {
            if (instanceKeys_.count(view.get()) != 0 && instanceKeys_[view.get()] == key) {
                frames->RequestFrameState(view->Frame(), kFrameShowAndActivate);
            }
        }
        ++openCounts_[static_cast<size_t>(type)];
    }
    return true;
}

bool CTarnMapDataCommandSink::CreateMapWindow(int type, const std::string& key) {
    CViewFrameManager* frames = FrameManager();
    if (frames == nullptr) {
        return false;
    }
    const std::string caption = WindowCaption(type);
    tarnui::Window* panes[2] = {};
    for (size_t i = 0; i < 2; ++i) {
        const ScopedComponentState resources;
        panes[i] = frames->CreatePane(key, caption, kPaneStyles[i].style, kPaneStyles[i].dockBar);
        if (panes[i] == nullptr) {
            return false;
        }
    }
    std::unique_ptr<CTarnDebugInstanceDataCtrlEx> views[2];
    if (type == kWindowSymbolInformation) {
        // The section tree chooses the symbols of its symbol list, made first.
        views[1] = MakeListView(kViewSymbolList, *this);
        auto* symbols = dynamic_cast<CTarnMapSymbolListInstanceCtrl*>(views[1].get());
        views[0] = std::make_unique<CTarnMapSectionTreeInstanceCtrl>(
            Host(), FrameManager(), this, data_.get(), kViewSectionTree, symbols);
    } else {
        views[0] = MakeListView(kViewSectionSettingTree, *this);
        views[1] = MakeListView(kViewSectionList, *this);
    }
    CTarnDebugInstanceDataCtrlEx* opened[2] = {};
    for (size_t i = 0; i < 2; ++i) {
        const ScopedComponentState resources;
        if (views[i] == nullptr || !views[i]->CreateViewWindow(panes[i], this)) {
            // What was made goes again: the type stays closed.
            for (size_t j = 0; j < i; ++j) {
                ForgetTypedView(opened[j]);
                CUiCommandSink::ViewClosing(opened[j]);
            }
            return false;
        }
        const int kind = views[i]->Kind();
        opened[i] = AddView(std::move(views[i]));
        // The frame shows the view's caption.
        opened[i]->SetWindowText(opened[i]->Caption());
        typedViews_[static_cast<size_t>(kind)].push_back(opened[i]);
        opened[i]->SetViewFont(FontName(), FontSize());
        opened[i]->SetViewColors(CurrentItem(), TextForeground(), TextBackground());
    }
    if (auto* tree = dynamic_cast<CTarnMapSectionSettingTreeInstanceCtrl*>(opened[0])) {
        tree->SetCapabilities(linkerOptionFlags_);
        tree->SetPairedSectionList(opened[1]);
    }
    instanceKeys_[opened[0]] = key;
    return true;
}

void CTarnMapDataCommandSink::ForgetTypedView(const CTarnDebugInstanceDataCtrlEx* view) {
    for (auto& list : typedViews_) {
        std::erase(list, view);
    }
    instanceKeys_.erase(view);
}

void CTarnMapDataCommandSink::LowerOpenCount(int type) {
    auto& count = openCounts_[static_cast<size_t>(type)];
    if (count > 0) {
        --count;
    }
}

// A section setting tree that refuses to close keeps its whole window: the section list
// stays with it.
int CTarnMapDataCommandSink::ViewClosing(tarnui::Window* viewWindow) {
    CTarnDebugInstanceDataCtrlEx* view = FindView(viewWindow);
    if (view == nullptr) {
        return 0;
    }
    CViewFrameManager* frames = FrameManager();
    switch (view->Kind()) {
        case kViewSectionSettingTree: {
            if (frames != nullptr) {
                frames->RequestFrameState(view->Frame(), kFrameShown);
            }
            auto* tree = dynamic_cast<CTarnMapSectionSettingTreeInstanceCtrl*>(view);
            closeAnswer_ = tree == nullptr || tree->ConfirmCloseWhileLocked() ? 1 : 0;
            if (closeAnswer_ == 0) {
                return 0;
            }
            view->CommitOnClose(1);
            ForgetTypedView(view);
            LowerOpenCount(kWindowSectionInformation);
            break;
        }
        case kViewSectionList:
            if (closeAnswer_ == 0) {
                if (frames != nullptr) {
                    frames->RequestFrameState(view->Frame(), kFrameShown);
                }
                return 0;
            }
            ForgetTypedView(view);
            break;
        case kViewSectionTree:
            ForgetTypedView(view);
            LowerOpenCount(kWindowSymbolInformation);
            break;
        case kViewSymbolList:
            ForgetTypedView(view);
            break;
        default:
            break;
    }
    return CUiCommandSink::ViewClosing(viewWindow);
}

int CTarnMapDataCommandSink::ViewHidden(tarnui::Window* viewWindow) {
    CTarnDebugInstanceDataCtrlEx* view = FindView(viewWindow);
    if (view != nullptr && view->Kind() == kViewSectionSettingTree) {
        view->CommitOnClose(1);
    }
    return CUiCommandSink::ViewHidden(viewWindow);
}

void CTarnMapDataCommandSink::CloseAllViews() {
    for (auto& list : typedViews_) {
        list.clear();
    }
    instanceKeys_.clear();
    openCounts_.fill(0);
    CUiCommandSink::CloseAllViews();
}

void CTarnMapDataCommandSink::ClearLists() {
    for (auto& list : typedViews_) {
        list.clear();
    }
    instanceKeys_.clear();
    findHistory_.clear();
}
