#include "host/lib/BraeHost.h"

#include <algorithm>

namespace tarnhost {

BraeHost::BraeHost() : HostObject(kIdIBraeHost) {}

void BraeHost::SetService(const TarnId& id, void* service) {
    for (auto& entry : services_) {
        if (entry.first == id) {
            entry.second = service;
            return;
        }
    }
    services_.emplace_back(id, service);
}

void BraeHost::RemoveService(const TarnId& id) {
    std::erase_if(services_, [&](const auto& entry) { return entry.first == id; });
}

HResult BraeHost::RaiseEvent(const TarnId& event, int32_t value) {
    raised_.emplace_back(event, value);
    if (listener_) {
        listener_(event, value);
    }
    return kStatusOk;
}

HResult BraeHost::GetService(const TarnId& service, void** out) {
    if (out == nullptr) {
        return kStatusFail;
    }
    *out = nullptr;
    for (const auto& entry : services_) {
        if (entry.first == service && entry.second != nullptr) {
            *out = entry.second;
            return kStatusOk;
        }
    }
    return kStatusNoInterface;
}

HResult BraeHost::Advise(const TarnId& client, IUnknown* clientObject) {
    if (clientObject == nullptr) {
        return kStatusFail;
    }
    clients_.emplace_back(client, clientObject);
    return kStatusOk;
}

HResult BraeHost::Unadvise(const TarnId& client, IUnknown* clientObject) {
    const auto it = std::find_if(clients_.begin(), clients_.end(), [&](const auto& entry) {
        return entry.first == client && entry.second == clientObject;
    });
    if (it == clients_.end()) {
        return kStatusFail;
    }
    clients_.erase(it);
    return kStatusOk;
}

}  // namespace tarnhost
