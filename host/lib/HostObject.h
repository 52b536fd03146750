// Base of every object the substitute host hands to the component: answers query for the
// generic identifier and its own, and keeps no reference count (the host owns its objects).
#pragma once

#include "src/shell/HostIds.h"
#include "src/shell/HostInterfaces.h"

namespace tarnhost {

template <class Interface>
class HostObject : public Interface {
public:
    explicit HostObject(const TarnId& id) : id_(id) {}
    virtual ~HostObject() = default;
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;

    HResult QueryInterface(const TarnId& id, void** out) override {
        if (out == nullptr) {
            return kStatusFail;
        }
        if (id == kIdIUnknown || id == id_) {
            *out = static_cast<Interface*>(this);
            return kStatusOk;
        }
        *out = nullptr;
        return kStatusNoInterface;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    const TarnId& Id() const { return id_; }

private:
    TarnId id_;
};

}  // namespace tarnhost
