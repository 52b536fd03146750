#include "host/lib/ComponentLoader.h"

#include <cstdio>
#include <utility>

#include "host/lib/ErrorService.h"
#include "platform/system/Module.h"
#include "src/shell/HostIds.h"

namespace tarnhost {

namespace {

constexpr const char* kComponentLibraryFileName = "libTarnMap.so";

void ProgramAnchor() {}

template <typename Function>
bool Resolve(const tarnui::Module& module, const char* name, Function* out) {
    *out = module.GetFunction<Function>(name);
    return *out != nullptr;
}

}  // namespace

std::string StatusText(HResult status) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(status));
    return text;
}

std::string ComponentLoader::DefaultLibraryPath() {
    const std::string program = tarnui::ModuleFileNameOf(&ProgramAnchor);
    const std::string directory = tarnui::DirectoryOf(program);
    return (directory == "/" ? std::string() : directory) + "/" + kComponentLibraryFileName;
}

ComponentLoader::ComponentLoader(ErrorService* errors) : errors_(errors) {}

ComponentLoader::~ComponentLoader() {
    Shutdown();
}

bool ComponentLoader::Fail(LoaderStage stage, HResult status, std::string text) {
    failures_.push_back(std::move(text));
    if (errors_ != nullptr) {
        errors_->Report(static_cast<int32_t>(stage), status);
    }
    return false;
}

bool ComponentLoader::NeedsLoaded(LoaderStage stage) {
    return IsLoaded() || Fail(stage, kStatusFail, "no component library is loaded");
}

bool ComponentLoader::NeedsInstance(LoaderStage stage) {
    if (!NeedsLoaded(stage)) {
        return false;
    }
    return created_ || Fail(stage, kStatusFail, "no component instance was created");
}

bool ComponentLoader::Load(const std::string& path) {
    if (IsLoaded()) {
        return Fail(LoaderStage::Load, kStatusFail,
                    "cannot load " + path + ": " + path_ + " is still loaded");
    }
    std::string reason;
    std::unique_ptr<tarnui::Module> module = tarnui::Module::Load(path, &reason);
    if (module == nullptr) {
        return Fail(LoaderStage::Load, kStatusFail, "cannot load " + path + ": " + reason);
    }
    const std::pair<const char*, bool> exports[] = {
        {kExportCreateInstance, Resolve(*module, kExportCreateInstance, &createInstance_)},
        {kExportDestroyInstance, Resolve(*module, kExportDestroyInstance, &destroyInstance_)},
        {kExportLibraryRegister2, Resolve(*module, kExportLibraryRegister2, &libraryRegister_)},
        {kExportQueryInterface2, Resolve(*module, kExportQueryInterface2, &queryInterface_)},
        {kExportGetComponentVersion,
         Resolve(*module, kExportGetComponentVersion, &getComponentVersion_)},
    };
    bool complete = true;
    for (const auto& [name, found] : exports) {
        if (!found) {
            complete = Fail(LoaderStage::Export, kStatusFail,
                            path + " does not export " + std::string(name));
        }
    }
    if (!complete) {
        createInstance_ = nullptr;
        destroyInstance_ = nullptr;
        libraryRegister_ = nullptr;
        queryInterface_ = nullptr;
        getComponentVersion_ = nullptr;
        return false;
    }
    module_ = std::move(module);
    path_ = path;
    return true;
}

bool ComponentLoader::Register(IBraeRegistrar* registrar) {
    if (!NeedsLoaded(LoaderStage::Register)) {
        return false;
    }
    if (registrar == nullptr) {
        return Fail(LoaderStage::Register, kStatusFail, "the host has no registrar");
    }
    const HResult status = libraryRegister_(registrar);
    return Succeeded(status) || Fail(LoaderStage::Register, status,
                                     "LibraryRegister2 failed with " + StatusText(status));
}

bool ComponentLoader::GetVersion(int32_t* major, int32_t* minor) {
    if (!NeedsLoaded(LoaderStage::Version)) {
        return false;
    }
    const HResult status = getComponentVersion_(major, minor);
    return Succeeded(status) || Fail(LoaderStage::Version, status,
                                     "GetComponentVersion failed with " + StatusText(status));
}

bool ComponentLoader::CreateInstance() {
    if (!NeedsLoaded(LoaderStage::Create)) {
        return false;
    }
    if (created_) {
        return Fail(LoaderStage::Create, kStatusFail, "the instance exists already");
    }
    const HResult status = createInstance_(Key());
    if (Failed(status)) {
        return Fail(LoaderStage::Create, status,
                    "CreateInstance failed with " + StatusText(status));
    }
    created_ = true;
    return true;
}

HResult ComponentLoader::QueryInterface(const TarnId& id, void** out) {
    if (out != nullptr) {
        *out = nullptr;
    }
    if (!NeedsInstance(LoaderStage::Query)) {
        return kStatusFail;
    }
    return queryInterface_(Key(), &id, out);
}

bool ComponentLoader::QueryInterfaces() {
    struct Wanted {
        const TarnId& id;
        const char* name;
        void** out;
    };
    void* component = nullptr;
    void* registryClient = nullptr;
    void* errorReporter = nullptr;
    const Wanted wanted[] = {
        {kIdIBraeComponent, "IBraeComponent", &component},
        {kIdIBraeRegistryClient, "IBraeRegistryClient", &registryClient},
        {kIdIBraeErrorReporter, "IBraeErrorReporter", &errorReporter},
    };
    if (!NeedsInstance(LoaderStage::Query)) {
        return false;
    }
    bool complete = true;
    for (const Wanted& w : wanted) {
        const HResult status = queryInterface_(Key(), &w.id, w.out);
        if (Failed(status) || *w.out == nullptr) {
            complete = Fail(LoaderStage::Query, Failed(status) ? status : kStatusNoInterface,
                            std::string("the component does not offer ") + w.name + " (" +
                                StatusText(status) + ")");
        }
    }
    component_ = static_cast<IBraeComponent*>(component);
    registryClient_ = static_cast<IBraeRegistryClient*>(registryClient);
    errorReporter_ = static_cast<IBraeErrorReporter*>(errorReporter);
    return complete;
}

bool ComponentLoader::Initialise(IBraeHost* host, int32_t start) {
    if (component_ == nullptr) {
        return Fail(LoaderStage::Initialise, kStatusFail,
                    "cannot initialise: the component interface was not obtained");
    }
    const HResult status = component_->Initialise(host, start);
    if (Failed(status)) {
        return Fail(LoaderStage::Initialise, status,
                    "the component's initialise failed with " + StatusText(status));
    }
    initialised_ = initialised_ || (start != 0 && host != nullptr);
    return true;
}

bool ComponentLoader::Terminate(int32_t start) {
    if (component_ == nullptr) {
        return Fail(LoaderStage::Terminate, kStatusFail,
                    "cannot terminate: the component interface was not obtained");
    }
    const HResult status = component_->Terminate(start);
    if (start != 0) {
        initialised_ = false;
    }
    return Succeeded(status) || Fail(LoaderStage::Terminate, status,
                                     "the component's terminate failed with " + StatusText(status));
}

bool ComponentLoader::SendEvent(const TarnId& event) {
    if (component_ == nullptr) {
        return Fail(LoaderStage::Event, kStatusFail,
                    "cannot pass an event: the component interface was not obtained");
    }
    const HResult status = component_->Event(event);
    return Succeeded(status) || Fail(LoaderStage::Event, status,
                                     "the component's event failed with " + StatusText(status));
}

bool ComponentLoader::DestroyInstance() {
    if (!NeedsInstance(LoaderStage::Destroy)) {
        return false;
    }
    ForgetInterfaces();
    created_ = false;
    initialised_ = false;
    const HResult status = destroyInstance_(Key());
    return Succeeded(status) ||
           Fail(LoaderStage::Destroy, status, "DestroyInstance failed with " + StatusText(status));
}

void ComponentLoader::ForgetInterfaces() {
    component_ = nullptr;
    registryClient_ = nullptr;
    errorReporter_ = nullptr;
}

void ComponentLoader::Unload() {
    if (!IsLoaded()) {
        return;
    }
    if (created_) {
        DestroyInstance();
    }
    ForgetInterfaces();
    createInstance_ = nullptr;
    destroyInstance_ = nullptr;
    libraryRegister_ = nullptr;
    queryInterface_ = nullptr;
    getComponentVersion_ = nullptr;
    module_.reset();
}

void ComponentLoader::Shutdown() {
    if (initialised_ && component_ != nullptr) {
        Terminate(1);
    }
    if (created_) {
        DestroyInstance();
    }
    Unload();
}

}  // namespace tarnhost
