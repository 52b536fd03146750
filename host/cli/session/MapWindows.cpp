#include "host/cli/session/MapWindows.h"

#include <memory>
#include <vector>

#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "platform/resources/ResourceContext.h"
#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/shell/sink/MapViewFactory.h"
#include "src/views/CTarnMapSectionTreeInstanceCtrl.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

namespace tarncli::session {
namespace {

using ViewPointer = std::unique_ptr<CTarnDebugInstanceDataCtrlEx>;

struct PaneStyle {
    uint32_t style;
    int32_t dockBar;
};
// The first view's pane docks at the bottom; the second sits among the documents.
constexpr PaneStyle kPaneStyles[] = {{0x1A04, kDockBarBottom}, {0x400, 0}};

struct WindowType {
    const char* key;
    int caption;
    int reload;
};
constexpr WindowType kSectionInformation = {"{WK_00000001_MAPSCT}",
                                            tarnres::kStrMapSectionInformation, kReloadAll};
constexpr WindowType kSymbolInformation = {"{WK_00000001_MAPSYM}",
                                           tarnres::kStrMapSymbolInformation, kReloadLinkMap};

bool CreateWindow(MapSession& session, const WindowType& type, std::vector<ViewPointer> views,
                  std::string* error) {
    CTarnMapDataCommandSink& sink = session.Sink();
    CViewFrameManager& frames = session.Frames();
    const ScopedComponentState resources;
    const std::string caption = tarnui::LoadString(type.caption);
    std::vector<tarnui::Window*> panes;
    for (size_t i = 0; i < views.size(); ++i) {
        tarnui::Window* pane =
            frames.CreatePane(type.key, caption, kPaneStyles[i].style, kPaneStyles[i].dockBar);
        if (pane == nullptr) {
            *error = "the host gave no pane for \"" + caption + "\"";
            return false;
        }
        panes.push_back(pane);
    }
    std::vector<CTarnDebugInstanceDataCtrlEx*> opened;
    for (size_t i = 0; i < views.size(); ++i) {
        if (views[i] == nullptr || !views[i]->CreateViewWindow(panes[i], &sink)) {
            *error = "a view of \"" + caption + "\" could not be created";
            return false;
        }
        CTarnDebugInstanceDataCtrlEx* view = sink.AddView(std::move(views[i]));
        view->SetViewFont(sink.FontName(), sink.FontSize());
        view->SetViewColors(sink.CurrentItem(), sink.TextForeground(), sink.TextBackground());
        opened.push_back(view);
    }
    // The views refresh only while their frames are shown.
    for (tarnui::Window* pane : panes) {
        frames.RequestFrameState(pane, kFrameShowAndActivate);
    }
    sink.Reload(type.reload);
    for (CTarnDebugInstanceDataCtrlEx* view : opened) {
        view->Refresh();
    }
    return true;
}

std::vector<ViewPointer> SymbolInformationViews(CTarnMapDataCommandSink& sink) {
    std::vector<ViewPointer> views;
    views.push_back(MakeListView(kViewSymbolList, sink));
    auto* symbols = dynamic_cast<CTarnMapSymbolListInstanceCtrl*>(views.back().get());
    views.push_back(std::make_unique<CTarnMapSectionTreeInstanceCtrl>(
        sink.Host(), sink.FrameManager(), &sink, &sink.DataManager(), kViewSectionTree, symbols));
    return views;
}

// The section setting tree with its paired section list; the tree takes the linker's
// capabilities and the setting state before its first refresh.
std::vector<ViewPointer> SectionInformationViews(CTarnMapDataCommandSink& sink) {
    std::vector<ViewPointer> views;
    views.push_back(MakeListView(kViewSectionSettingTree, sink));
    views.push_back(MakeListView(kViewSectionList, sink));
    if (auto* tree = dynamic_cast<CTarnMapSectionSettingTreeInstanceCtrl*>(views[0].get())) {
        sink.RunLinkerOptionQuery();
        tree->SetCapabilities(sink.LinkerOptionFlags());
        tree->SetPairedSectionList(views[1].get());
        tree->QuerySettingState();
    }
    return views;
}

}  // namespace

bool OpenMapWindow(MapSession& session, const std::string& viewName, std::string* error) {
    const MapViewName* name = FindMapViewName(viewName);
    if (name == nullptr) {
        *error = "no view \"" + viewName + "\"; choose " + MapViewNameList();
        return false;
    }
    if (session.FindView(viewName) != nullptr) {
        *error = "the window of " + viewName + " is open already";
        return false;
    }
    CTarnMapDataCommandSink& sink = session.Sink();
    switch (name->kind) {
        case kViewSectionSettingTree:
        case kViewSectionList:
            return CreateWindow(session, kSectionInformation, SectionInformationViews(sink), error);
        case kViewSymbolList:
        case kViewSectionTree:
            return CreateWindow(session, kSymbolInformation, SymbolInformationViews(sink), error);
        default:
            *error = "the window of " + viewName + " cannot be opened here";
            return false;
    }
}

}  // namespace tarncli::session
