#include "src/shell/CTarnMapApp.h"

#include <new>

#include "src/shell/CTarnMapDataCtrl.h"

namespace {
// The table grows in blocks of this many entries.
constexpr size_t kInstanceBlock = 10;
}  // namespace

CTarnMapApp::CTarnMapApp() {
    instances_.reserve(kInstanceBlock);
}

CTarnMapApp::~CTarnMapApp() {
    for (auto& entry : instances_) {
        static_cast<void>(entry.second.release());
    }
}

void CTarnMapApp::CreateInstance(ComponentInstanceKey key) {
    try {
        auto& slot = instances_[key];
        if (slot == nullptr) {
            slot = std::make_unique<CTarnMapDataCtrl>();
        }
    } catch (const std::bad_alloc&) {
        // Out of memory: the key keeps an empty entry if the table could store one.
    }
}

void CTarnMapApp::DestroyInstance(ComponentInstanceKey key) {
    const auto found = instances_.find(key);
    if (found == instances_.end()) {
        return;
    }
    std::unique_ptr<CTarnMapDataCtrl> object = std::move(found->second);
    instances_.erase(found);
    object.reset();
}

CTarnMapDataCtrl* CTarnMapApp::Find(ComponentInstanceKey key) const {
    const auto found = instances_.find(key);
    return found == instances_.end() ? nullptr : found->second.get();
}

HResult CTarnMapApp::QueryInterface(ComponentInstanceKey key, const TarnId& id, void** out) const {
    if (out == nullptr) {
        return kStatusNoInterface;
    }
    *out = nullptr;
    CTarnMapDataCtrl* object = Find(key);
    if (object == nullptr || Failed(object->QueryInterface(id, out))) {
        *out = nullptr;
        return kStatusNoInterface;
    }
    return kStatusOk;
}
