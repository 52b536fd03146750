// Typed access to the host's services. A service answers get service with a pointer to the
// interface class that its identifier names, so the cast back is exact.
#pragma once

#include "src/shell/HostInterfaces.h"

template <class Service>
Service* GetHostService(IBraeHost* host, const TarnId& id) {
    if (host == nullptr) {
        return nullptr;
    }
    void* raw = nullptr;
    if (Failed(host->GetService(id, &raw))) {
        return nullptr;
    }
    return static_cast<Service*>(raw);
}
