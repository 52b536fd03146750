#include "host/lib/Registrar.h"

#include "platform/text/Utf.h"

namespace tarnhost {

Registrar::Registrar() : HostObject(kIdIBraeRegistrar) {}

HResult Registrar::RegisterComponent(const WString& displayName, int32_t interfaceCount,
                                     const std::vector<TarnId>& interfaces,
                                     int32_t registrationWord1, int32_t registrationWord2,
                                     int32_t registrationWord3, const TarnId& component) {
    if (displayName.empty()) {
        return kStatusFail;
    }
    ComponentRegistration entry{tarnui::Utf16ToUtf8(displayName),
                                interfaceCount,
                                interfaces,
                                registrationWord1,
                                registrationWord2,
                                registrationWord3,
                                component};
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
