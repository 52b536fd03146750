// The five C entry points of libTarnMap.so, the only names the library exports. The host
// registers the component, creates and destroys instances by its own keys, asks them for
// interfaces and reads the component's version.
#include "platform/text/Utf.h"
#include "src/shell/CTarnMapApp.h"
#include "src/shell/HostIds.h"

#define TARN_COMPONENT_EXPORT __attribute__((visibility("default")))

namespace {

// The display name under which the host lists the component.
constexpr const char* kComponentDisplayName = "Generic TARN Map";

CTarnMapApp& TheApp() {
    static CTarnMapApp app;
    return app;
}

}  // namespace

extern "C" {

TARN_COMPONENT_EXPORT HResult LibraryRegister2(IBraeRegistrar* registrar) {
    if (registrar == nullptr) {
        return kStatusFail;
    }
    // The component offers itself through its component interface.
    const HResult status =
        registrar->RegisterComponent(tarnui::Utf8ToUtf16(kComponentDisplayName), 1,
                                     {kIdIBraeComponent}, 0, 1, 0, kIdTarnMapComponent);
    return Failed(status) ? status : kStatusOk;
}

TARN_COMPONENT_EXPORT HResult CreateInstance(ComponentInstanceKey key) {
    TheApp().CreateInstance(key);
    return kStatusOk;
}

TARN_COMPONENT_EXPORT HResult DestroyInstance(ComponentInstanceKey key) {
    TheApp().DestroyInstance(key);
    return kStatusOk;
}

TARN_COMPONENT_EXPORT HResult QueryInterface2(ComponentInstanceKey key, const TarnId* id,
                                              void** out) {
    if (out == nullptr) {
        return kStatusNoInterface;
    }
    *out = nullptr;
    if (id == nullptr) {
        return kStatusNoInterface;
    }
    return TheApp().QueryInterface(key, *id, out);
}

TARN_COMPONENT_EXPORT HResult GetComponentVersion(int32_t* major, int32_t* minor) {
    if (major != nullptr) {
        *major = 1;
    }
    if (minor != nullptr) {
        *minor = 0;
    }
    return kStatusOk;
}

}  // extern "C"
