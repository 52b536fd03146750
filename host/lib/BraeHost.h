// The host object: hands out services by identifier, takes the component's events and keeps
// the client interfaces that the component advises.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "host/lib/HostObject.h"

namespace tarnhost {

class BraeHost final : public HostObject<IBraeHost> {
public:
    using EventListener = std::function<void(const TarnId& event, int32_t value)>;

    BraeHost();

    // Offers a service: get service with the identifier answers this interface pointer.
    template <class Interface>
    void AddService(const TarnId& id, Interface* service) {
        SetService(id, static_cast<void*>(service));
    }
    void RemoveService(const TarnId& id);

    HResult RaiseEvent(const TarnId& event, int32_t value) override;
    HResult GetService(const TarnId& service, void** out) override;
    HResult Advise(const TarnId& client, IUnknown* clientObject) override;
    HResult Unadvise(const TarnId& client, IUnknown* clientObject) override;

    // Events the component raised, in order.
    const std::vector<std::pair<TarnId, int32_t>>& RaisedEvents() const { return raised_; }
    // Called for every event the component raises (the front end forwards them).
    void SetEventListener(EventListener listener) { listener_ = std::move(listener); }
    // The advised clients, in the order they were advised.
    const std::vector<std::pair<TarnId, IUnknown*>>& Clients() const { return clients_; }
    // The clients advised under the identifier, each asked for that interface.
    template <class Client>
    std::vector<Client*> AdvisedClients(const TarnId& id) const {
        std::vector<Client*> found;
        for (const auto& [clientId, object] : clients_) {
            void* asked = nullptr;
            if (clientId == id && object != nullptr &&
                Succeeded(object->QueryInterface(id, &asked)) && asked != nullptr) {
                found.push_back(static_cast<Client*>(asked));
            }
        }
        return found;
    }

private:
    void SetService(const TarnId& id, void* service);

    std::vector<std::pair<TarnId, void*>> services_;
    std::vector<std::pair<TarnId, IUnknown*>> clients_;
    std::vector<std::pair<TarnId, int32_t>> raised_;
    EventListener listener_;
};

}  // namespace tarnhost
