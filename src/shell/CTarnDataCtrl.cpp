#include "src/shell/CTarnDataCtrl.h"

#include "platform/system/Module.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/shell/ResourceLibraryCheck.h"
#include "src/shell/framework/ComponentModuleState.h"

namespace {
// An address inside the component's own library, to ask the platform for its file name.
void ModuleAnchor() {}
}  // namespace

CTarnDataCtrl::CTarnDataCtrl() = default;

CTarnDataCtrl::~CTarnDataCtrl() {
    ReleaseResourceLibrary();
}

HResult CTarnDataCtrl::QueryInterface(const TarnId& id, void** out) {
    if (out == nullptr) {
        return kStatusNoInterface;
    }
    if (id == kIdIUnknown || id == kIdIBraeRegistryClient) {
        *out = static_cast<IBraeRegistryClient*>(this);
    } else if (id == kIdIBraeComponent || id == kIdTarnMapComponent) {
        *out = static_cast<IBraeComponent*>(this);
    } else if (id == kIdIBraeErrorReporter) {
        *out = static_cast<IBraeErrorReporter*>(this);
    } else {
        *out = nullptr;
        return kStatusNoInterface;
    }
    return kStatusOk;
}

HResult CTarnDataCtrl::RegistryCall(intptr_t /*argument*/) {
    return kStatusOk;
}

HResult CTarnDataCtrl::Event(const TarnId& /*event*/) {
    return kStatusOk;
}

HResult CTarnDataCtrl::Initialise(IBraeHost* host, int32_t start) {
    if (start != 0) {
        if (!CheckResourceLibrary()) {
            return kStatusFail;
        }
        FillDebugInterfaces(host);
    }
    if (host == nullptr) {
        return kStatusFail;
    }
    if (start == 0) {
        return kStatusOk;
    }
    host_ = host;
    errorService_ = GetHostService<IBraeErrorService>(host, kIdErrorService);
    const auto resources = EnterResourceContext();
    return CreateCommandSink() ? kStatusOk : kStatusFail;
}

HResult CTarnDataCtrl::Reserved5(intptr_t /*argument*/) {
    return kStatusOk;
}

HResult CTarnDataCtrl::Reserved6(intptr_t /*argument*/) {
    return kStatusOk;
}

HResult CTarnDataCtrl::Terminate(int32_t start) {
    if (host_ == nullptr || start == 0) {
        if (start != 0) {
            ReleaseResourceLibrary();
        }
        return host_ == nullptr ? kStatusFail : kStatusOk;
    }
    {
        // The views may still ask the person about unsaved edits while they close, so the
        // resource library goes only after them.
        const auto resources = EnterResourceContext();
        DestroyCommandSink();
    }
    host_ = nullptr;
    errorService_ = nullptr;
    ReleaseResourceLibrary();
    ClearDebugInterfaces();
    return kStatusOk;
}

HResult CTarnDataCtrl::Report(int32_t first, int32_t second) {
    if (errorService_ == nullptr) {
        return kStatusFail;
    }
    return errorService_->Report(first, second);
}

void CTarnDataCtrl::FillDebugInterfaces(IBraeHost* /*host*/) {}

void CTarnDataCtrl::ClearDebugInterfaces() {}

std::string CTarnDataCtrl::ComponentFileName() const {
    return tarnui::ModuleFileNameOf(&ModuleAnchor);
}

std::optional<tarnui::ScopedResourceContext> CTarnDataCtrl::EnterResourceContext() const {
    if (resources_ == nullptr) {
        return std::nullopt;
    }
    return std::optional<tarnui::ScopedResourceContext>(std::in_place, *resources_);
}

void CTarnDataCtrl::ReleaseResourceLibrary() {
    // Other instances may still run on the same table: only this object's hold goes.
    if (resources_ != nullptr) {
        ReleaseComponentResourceTable(&resources_->Table());
    }
    resources_.reset();
}

bool CTarnDataCtrl::CheckResourceLibrary() {
    std::unique_ptr<tarnui::ResourceLibrary> library =
        LoadCheckedResourceLibrary(ComponentFileName());
    if (library == nullptr) {
        return false;
    }
    ReleaseResourceLibrary();  // a second start replaces the first library
    resources_ = std::move(library);
    // Every dialog, menu, string and bitmap of the component now comes from the library.
    tarnui::SetCurrentResourceTable(&resources_->Table());
    // The window framework switches to the same table on every entry that needs resources.
    HoldComponentResourceTable(&resources_->Table());
    return true;
}
