#include "host/lib/HostWindowService.h"

namespace tarnhost {

HostWindowService::HostWindowService() : HostObject(kIdHostWindowService) {
    mainWindow_.Create(nullptr, tarnui::Rect{0, 0, 1024, 768}, 0, tarnui::kWsOverlapped, "TarnMap");
}

HostWindowService::~HostWindowService() {
    mainWindow_.DestroyWindow();
}

HResult HostWindowService::GetMainWindow(tarnui::Window** window) {
    if (window == nullptr) {
        return kStatusFail;
    }
    *window = mainWindow_.IsCreated() ? &mainWindow_ : nullptr;
    return *window != nullptr ? kStatusOk : kStatusFail;
}

}  // namespace tarnhost
