// Loads a component library and drives it through its five entry points and the interfaces
// they hand out, as the host does: register, create an instance, query its interfaces,
// initialise, pass events, terminate, destroy the instance, unload. Every failure is kept as
// text and reported to the error service (the stage and the status).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "src/shell/HostInterfaces.h"

namespace tarnui {
class Module;
}

namespace tarnhost {

class ErrorService;

// What the loader was doing when something failed: the first value of its error reports.
enum class LoaderStage : int32_t {
    Load = 1,
    Export = 2,
    Register = 3,
    Version = 4,
    Create = 5,
    Query = 6,
    Initialise = 7,
    Event = 8,
    Terminate = 9,
    Destroy = 10,
};

class ComponentLoader {
public:
    // The component's library file, beside the running program.
    static std::string DefaultLibraryPath();

    // `errors` (optional) receives one report per failure.
    explicit ComponentLoader(ErrorService* errors = nullptr);
    // Shuts down whatever is still running.
    ~ComponentLoader();
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;

    // Loads the library and finds its five exports; on failure nothing stays loaded.
    bool Load(const std::string& path);
    // LibraryRegister2 with the host's registrar.
    bool Register(IBraeRegistrar* registrar);
    bool GetVersion(int32_t* major, int32_t* minor);
    // CreateInstance under this loader's key.
    bool CreateInstance();
    // QueryInterface2 for this loader's instance; `out` is null unless it answers 0.
    HResult QueryInterface(const TarnId& id, void** out);
    // Asks for the component, registry client and error reporter interfaces.
    bool QueryInterfaces();
    // The component's initialise and terminate, with the start flag.
    bool Initialise(IBraeHost* host, int32_t start = 1);
    bool Terminate(int32_t start = 1);
    // Passes one host event to the component.
    bool SendEvent(const TarnId& event);
    // DestroyInstance for this loader's key; the interfaces are gone afterwards.
    bool DestroyInstance();
    // Unloads the library (after destroying the instance if that was not done).
    void Unload();
    // Terminate (if initialised), DestroyInstance (if created), Unload.
    void Shutdown();

    bool IsLoaded() const { return module_ != nullptr; }
    bool HasInstance() const { return created_; }
    bool IsInitialised() const { return initialised_; }
    const std::string& LibraryPath() const { return path_; }
    ComponentInstanceKey Key() const { return reinterpret_cast<ComponentInstanceKey>(this); }
    IBraeComponent* Component() const { return component_; }
    IBraeRegistryClient* RegistryClient() const { return registryClient_; }
    IBraeErrorReporter* ErrorReporter() const { return errorReporter_; }

    // Every failure so far, in order, as text.
    const std::vector<std::string>& Failures() const { return failures_; }
    std::string LastFailure() const { return failures_.empty() ? std::string() : failures_.back(); }

private:
    bool Fail(LoaderStage stage, HResult status, std::string text);
    bool NeedsLoaded(LoaderStage stage);
    bool NeedsInstance(LoaderStage stage);
    void ForgetInterfaces();

    ErrorService* errors_;
    std::unique_ptr<tarnui::Module> module_;
    std::string path_;
    CreateInstanceFunction createInstance_ = nullptr;
    DestroyInstanceFunction destroyInstance_ = nullptr;
    LibraryRegister2Function libraryRegister_ = nullptr;
    QueryInterface2Function queryInterface_ = nullptr;
    GetComponentVersionFunction getComponentVersion_ = nullptr;
    bool created_ = false;
    bool initialised_ = false;
    IBraeComponent* component_ = nullptr;
    IBraeRegistryClient* registryClient_ = nullptr;
    IBraeErrorReporter* errorReporter_ = nullptr;
    std::vector<std::string> failures_;
};

// The status as the host prints it: "0x80004005".
std::string StatusText(HResult status);

}  // namespace tarnhost
