#include "host/lib/ComponentSession.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/lib/SubstituteHost.h"
#include "src/shell/HostIds.h"

namespace tarnhost {

namespace {
bool IsMemoryResourceEvent(const TarnId& event) {
    return std::find(std::begin(kMemoryResourceEvents), std::end(kMemoryResourceEvents), event) !=
           std::end(kMemoryResourceEvents);
}
}  // namespace

ComponentSession::ComponentSession(SubstituteHost& host, std::string libraryPath)
    : host_(host), libraryPath_(std::move(libraryPath)), loader_(&host.Errors()) {}

ComponentSession::~ComponentSession() {
    Stop();
}

bool ComponentSession::Start() {
    if (started_) {
        return true;
    }
    started_ = true;
    host_.HostObject().SetEventListener(
        [this](const TarnId& event, int32_t value) { OnHostEvent(event, value); });
    return loader_.Load(libraryPath_) && loader_.Register(&host_.Registrations()) &&
           loader_.GetVersion(&major_, &minor_) && loader_.CreateInstance() &&
           loader_.QueryInterfaces() && loader_.Initialise(host_.Host(), 1);
}

void ComponentSession::Stop() {
    if (!started_) {
        return;
    }
    loader_.Shutdown();
    host_.HostObject().SetEventListener(nullptr);
    posted_.clear();
    started_ = false;
}

void ComponentSession::PostEvent(const TarnId& event) {
    posted_.push_back(event);
}

void ComponentSession::OnHostEvent(const TarnId& event, int32_t /*value*/) {
    // The memory resource description changed: every component reloads its memory map.
    if (IsMemoryResourceEvent(event)) {
        PostEvent(event);
    }
}

int ComponentSession::DeliverEvents() {
    if (host_.SectionSettingsChanged()) {
        host_.ClearSectionSettingsChanged();
        PostEvent(kIdEventSectionSettingsChanged);
    }
    int delivered = 0;
    // An event may make the component raise another; it joins the end of the queue.
    while (!posted_.empty() && loader_.IsInitialised()) {
        const TarnId event = posted_.front();
        posted_.pop_front();
        loader_.SendEvent(event);
        ++delivered;
    }
    return delivered;
}

const ComponentRegistration* ComponentSession::Registration() const {
    return host_.Registrations().Find(kIdTarnMapComponent);
}

}  // namespace tarnhost
