// The generic component object: serves the three interfaces through which the host drives a
// component, checks the resource library when the host starts it and keeps the host's
// pointers while it runs. What the component builds on start is left to the derived class.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/resources/ResourceContext.h"
#include "src/shell/HostInterfaces.h"

class CTarnDataCtrl : public IBraeRegistryClient, public IBraeComponent, public IBraeErrorReporter {
public:
    CTarnDataCtrl();
    virtual ~CTarnDataCtrl();
    CTarnDataCtrl(const CTarnDataCtrl&) = delete;
    CTarnDataCtrl& operator=(const CTarnDataCtrl&) = delete;

    // Query, shared by the three interfaces: the generic and registry client identifiers give
    // the registry client, the component interface and the component's own identifier give the
    // component interface, the error reporter identifier gives the error reporter; anything
    // else leaves `out` null and answers kStatusNoInterface.
    HResult QueryInterface(const TarnId& id, void** out) override;
    // Nothing is reference-counted: the object lives from CreateInstance to DestroyInstance.
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    // IBraeRegistryClient.
    HResult RegistryCall(intptr_t argument) override;

    // IBraeComponent.
    HResult Event(const TarnId& event) override;
    HResult Initialise(IBraeHost* host, int32_t start) override;
    HResult Reserved5(intptr_t argument) override;
    HResult Reserved6(intptr_t argument) override;
    HResult Terminate(int32_t start) override;

    // IBraeErrorReporter: passed to the host's error service.
    HResult Report(int32_t first, int32_t second) override;

    IBraeHost* Host() const { return host_; }
    const tarnui::ResourceLibrary* ResourceLibraryInUse() const { return resources_.get(); }

protected:
    // Builds what the component shows once the host started it; false when that failed.
    virtual bool CreateCommandSink() = 0;
    // Closes and deletes everything CreateCommandSink built.
    virtual void DestroyCommandSink() = 0;
    // Takes and gives back the host's debugger services.
    virtual void FillDebugInterfaces(IBraeHost* host);
    virtual void ClearDebugInterfaces();
    // The full file name of the component's own library; empty when the platform cannot
    // tell. The resource library is looked for beside it.
    virtual std::string ComponentFileName() const;

    // Makes the component's resources current for one entry from the host.
    std::optional<tarnui::ScopedResourceContext> EnterResourceContext() const;
    // Releases the resource library.
    void ReleaseResourceLibrary();

private:
    bool CheckResourceLibrary();

    IBraeHost* host_ = nullptr;
    IBraeErrorService* errorService_ = nullptr;
    std::unique_ptr<tarnui::ResourceLibrary> resources_;
};
