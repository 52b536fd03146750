// The component's views run in this process on the substitute host, as the host's Map windows
// would run them: the resource library loaded and checked, a view frame manager on the host's
// docking framework, the command sink with its data manager, and Map windows opened the way
// the command sink opens them (two panes, the views created in them, font and colours given,
// the frame shown, the link map read and the views refreshed).
#pragma once

#include <memory>
#include <string>

#include "host/lib/SubstituteHost.h"
#include "platform/resources/ResourceContext.h"

class CViewFrameManager;
class CTarnMapDataCommandSink;
class CTarnDebugInstanceDataCtrlEx;

namespace tarncli::session {

class MapSession {
public:
    // Null with the reason when the resource library or the sink cannot be made.
    static std::unique_ptr<MapSession> Start(std::unique_ptr<tarnhost::SubstituteHost> host,
                                             std::string* error);
    ~MapSession();
    MapSession(const MapSession&) = delete;
    MapSession& operator=(const MapSession&) = delete;

    tarnhost::SubstituteHost& Host() { return *host_; }
    CTarnMapDataCommandSink& Sink() { return *sink_; }
    CViewFrameManager& Frames() { return *frames_; }

    // Makes this session's resource library the component's again (a session that ended
    // meanwhile clears it).
    void MakeResourcesCurrent();

    // Opens the Map window that holds the view of that name (MapViewNames.h); false with the
    // reason when the name is unknown, the window is open already or it cannot be made.
    bool OpenWindowFor(const std::string& viewName, std::string* error);
    // The open view of that name, or null.
    CTarnDebugInstanceDataCtrlEx* FindView(const std::string& viewName) const;
    // The host's pane that holds the open view of that name, or null.
    tarnui::Window* FrameOf(const std::string& viewName) const;

    // What a front end needs besides the windows: the map listing the data manager read
    // last ("" before the first load); the host's lock around a rebuild, whose end reloads
    // the listing and refreshes the read-only views; a string of the component's resources.
    std::string ListingPath();
    void SetHostLock(bool on);
    bool HostLock();
    std::string ComponentString(int id);
    // A bitmap of the component's resources (toolbar button images); null when there is none.
    const tarnui::BitmapResource* ComponentBitmap(int id);

private:
    MapSession() = default;

    std::unique_ptr<tarnui::ResourceLibrary> resources_;
    std::unique_ptr<tarnhost::SubstituteHost> host_;
    std::unique_ptr<CViewFrameManager> frames_;
    std::unique_ptr<CTarnMapDataCommandSink> sink_;
};

}  // namespace tarncli::session
