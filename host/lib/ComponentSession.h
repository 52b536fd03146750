// One component running inside the substitute host: started as the host starts its
// components (load, register, version, create, query, initialise), fed the host's events,
// and shut down again. Events are posted and delivered later, never while the component is
// inside a call to the host.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "host/lib/ComponentLoader.h"

namespace tarnhost {

class SubstituteHost;
struct ComponentRegistration;

class ComponentSession {
public:
    ComponentSession(SubstituteHost& host, std::string libraryPath);
    // Stops the component if it still runs.
    ~ComponentSession();
    ComponentSession(const ComponentSession&) = delete;
    ComponentSession& operator=(const ComponentSession&) = delete;

    // Runs the start-up to the end, stopping at the first failure (the loader keeps the
    // reason). Initialise is called with the start flag set.
    bool Start();
    // Terminates the component, destroys its instance and unloads the library.
    void Stop();

    // Queues an event for the component.
    void PostEvent(const TarnId& event);
    // Delivers the queued events and those the host noticed meanwhile: new section settings
    // taken by the linker option service and memory resource events the component raised.
    // Returns how many events were delivered.
    int DeliverEvents();
    size_t PendingEvents() const { return posted_.size(); }

    ComponentLoader& Loader() { return loader_; }
    bool Started() const { return started_; }
    bool Initialised() const { return loader_.IsInitialised(); }
    // The registration the component made, or null.
    const ComponentRegistration* Registration() const;
    int32_t MajorVersion() const { return major_; }
    int32_t MinorVersion() const { return minor_; }

private:
    void OnHostEvent(const TarnId& event, int32_t value);

    SubstituteHost& host_;
    std::string libraryPath_;
    ComponentLoader loader_;
    std::deque<TarnId> posted_;
    bool started_ = false;
    int32_t major_ = 0;
    int32_t minor_ = 0;
};

}  // namespace tarnhost
