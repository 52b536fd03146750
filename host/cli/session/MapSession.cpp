#include "host/cli/session/MapSession.h"

#include "host/cli/ExportCommand.h"
#include "host/cli/HostSession.h"
#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/MapWindows.h"
#include "src/shell/ResourceLibraryCheck.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace tarncli::session {

std::unique_ptr<MapSession> MapSession::Start(std::unique_ptr<tarnhost::SubstituteHost> host,
                                              std::string* error) {
    std::unique_ptr<MapSession> session(new MapSession());
    // The check looks for the resource library beside the component's own library.
    session->resources_ = LoadCheckedResourceLibrary(InstallDir() + "/libTarnMap.so");
    if (session->resources_ == nullptr) {
        *error = "the resource library could not be loaded from " + InstallDir();
        return nullptr;
    }
    SetComponentResourceTable(&session->resources_->Table());
    session->host_ = std::move(host);
    session->frames_ = std::make_unique<CViewFrameManager>(session->host_->Host());
    session->sink_ =
        std::make_unique<CTarnMapDataCommandSink>(session->host_->Host(), session->frames_.get());
    if (!session->sink_->CreateSinkWindow()) {
        *error = "the command sink's window could not be created";
        return nullptr;
    }
    GiveContext(*session->host_, session->sink_->DataManager());
    session->sink_->RunLinkerOptionQuery();
    return session;
}

MapSession::~MapSession() {
    // The views go with the sink, before the frames and the host they refer to.
    sink_.reset();
    frames_.reset();
    host_.reset();
    SetComponentResourceTable(nullptr);
}

void MapSession::MakeResourcesCurrent() {
    SetComponentResourceTable(&resources_->Table());
}

bool MapSession::OpenWindowFor(const std::string& viewName, std::string* error) {
    return OpenMapWindow(*this, viewName, error);
}

CTarnDebugInstanceDataCtrlEx* MapSession::FindView(const std::string& viewName) const {
    const MapViewName* name = FindMapViewName(viewName);
    if (name == nullptr || sink_ == nullptr) {
        return nullptr;
    }
    for (const auto& view : sink_->Views()) {
        if (view->Kind() == name->kind) {
            return view.get();
        }
    }
    return nullptr;
}

tarnui::Window* MapSession::FrameOf(const std::string& viewName) const {
    CTarnDebugInstanceDataCtrlEx* view = FindView(viewName);
    return view != nullptr ? view->Frame() : nullptr;
}

std::string MapSession::ListingPath() {
    return sink_->DataManager().LinkMap()->GetListingPath();
}

void MapSession::SetHostLock(bool on) {
    constexpr int kLinkMap = 4;  // the reload and refresh of the map listing
    // As the component object does on the host's events: edit mode is set aside for the build.
    sink_->SetHostLock(on);
    if (on) {
        sink_->RememberEditMode();
    } else {
        sink_->RestoreEditMode();
        sink_->Reload(kLinkMap);
        sink_->Refresh(kLinkMap);
    }
}

bool MapSession::HostLock() {
    return sink_->HostLock();
}

std::string MapSession::ComponentString(int id) {
    const ScopedComponentState resources;
    return tarnui::LoadString(id);
}

const tarnui::BitmapResource* MapSession::ComponentBitmap(int id) {
    const ScopedComponentState resources;
    return tarnui::FindBitmapResource(id);
}

}  // namespace tarncli::session
