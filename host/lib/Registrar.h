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
    int32_t flag1 = 0;
    std::vector<TarnId> ids;
    int32_t flag2 = 0;
    int32_t flag3 = 0;
    int32_t flag4 = 0;
    TarnId component;
};

class Registrar final : public HostObject<IBraeRegistrar> {
public:
    Registrar();

    // Fails for an empty display name.
    HResult RegisterComponent(const WString& name, int32_t flag1, const std::vector<TarnId>& ids,
                              int32_t flag2, int32_t flag3, int32_t flag4,
                              const TarnId& component) override;

    const std::vector<ComponentRegistration>& Registrations() const { return registrations_; }
    const ComponentRegistration* Find(const TarnId& component) const;

private:
    std::vector<ComponentRegistration> registrations_;
};

}  // namespace tarnhost
