#include "host/lib/Registrar.h"

#include "platform/text/Utf.h"

namespace tarnhost {

Registrar::Registrar() : HostObject(kIdIBraeRegistrar) {}

HResult Registrar::RegisterComponent(const WString& name, int32_t flag1,
                                     const std::vector<TarnId>& ids, int32_t flag2, int32_t flag3,
                                     int32_t flag4, const TarnId& component) {
    if (name.empty()) {
        return kStatusFail;
    }
    ComponentRegistration entry{
        tarnui::Utf16ToUtf8(name), flag1, ids, flag2, flag3, flag4, component};
    for (auto& existing : registrations_) {
        if (existing.component == component) {
            existing = std::move(entry);
            return kStatusOk;
        }
    }
    registrations_.push_back(std::move(entry));
    return kStatusOk;
}

const ComponentRegistration* Registrar::Find(const TarnId& component) const {
    for (const auto& entry : registrations_) {
        if (entry.component == component) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace tarnhost
