// The registrar: keeps the components that registered themselves, for the front end.
// A component that registers again replaces its earlier entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/lib/HostObject.h"

namespace tarnhost {

struct ComponentRegistration {
    std::string name;  // display name, UTF-8
    int32_t interfaceCount = 0;
    std::vector<TarnId> interfaces;
    int32_t registrationWord1 = 0;  // three words kept for the front end
    int32_t registrationWord2 = 0;
    int32_t registrationWord3 = 0;
    TarnId component;
};

class Registrar final : public HostObject<IBraeRegistrar> {
public:
    Registrar();

    // Fails for an empty display name.
    HResult RegisterComponent(const WString& displayName, int32_t interfaceCount,
                              const std::vector<TarnId>& interfaces, int32_t registrationWord1,
                              int32_t registrationWord2, int32_t registrationWord3,
                              const TarnId& component) override;

    const std::vector<ComponentRegistration>& Registrations() const { return registrations_; }
    const ComponentRegistration* Find(const TarnId& component) const;

private:
    std::vector<ComponentRegistration> registrations_;
};

}  // namespace tarnhost
