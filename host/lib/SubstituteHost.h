// The substitute host: one workspace (or none) and every service of the host interfaces that
// it backs, wired to one host object.
#pragma once

#include <memory>
#include <string>

#include "host/lib/BraeHost.h"
#include "host/lib/Contexts.h"
#include "host/lib/DockingFramework.h"
#include "host/lib/ErrorService.h"
#include "host/lib/HostWindowService.h"
#include "host/lib/LinkerServices.h"
#include "host/lib/MemoryMapSettingService.h"
#include "host/lib/MemoryResourceService.h"
#include "host/lib/OptionsService.h"
#include "host/lib/PlaceholderServices.h"
#include "host/lib/ProfileService.h"
#include "host/lib/ProjectInfoService.h"
#include "host/lib/Registrar.h"
#include "host/lib/SourceServices.h"
#include "host/lib/ValueConversion.h"
#include "host/lib/Workspace.h"
#include "host/lib/WorkspaceDataService.h"

namespace tarnhost {

class SubstituteHost {
public:
    struct Options {
        std::string installDir;  // directory of the host's own programs
        std::vector<std::pair<std::string, std::string>> hostPlaceholders;
        // Directory of the per-user options and profile files; empty: UserConfigDir().
        std::string configDir;
    };

    // workspace may be null: the host runs with no workspace open.
    SubstituteHost(std::unique_ptr<Workspace> workspace, Options options);
    ~SubstituteHost();

    IBraeHost* Host() { return &host_; }

    // Opens a workspace in place of the open one (the services that belong to a workspace
    // are made anew) or closes it (null). The components are told by the caller.
    void SetWorkspace(std::unique_ptr<Workspace> workspace);
    BraeHost& HostObject() { return host_; }
    Workspace* OpenWorkspace() { return workspace_.get(); }
    // The four context strings of the open workspace (empty without one).
    Contexts ContextStrings() const;

    LinkerOptionService* LinkerOptions() { return linkerOptions_.get(); }
    // Null without a workspace.
    LinkerSettingService* LinkerSettings() { return linkerSettings_.get(); }
    MemoryResourceService* MemoryResources() { return memoryResources_.get(); }
    // Null without a workspace.
    WorkspaceDataService* WorkspaceData() { return workspaceData_.get(); }
    ProjectInfoService* ProjectInfo() { return projectInfo_.get(); }
    OptionsService& UserOptions() { return userOptions_; }
    ProfileService& Profile() { return profile_; }
    ErrorService& Errors() { return errors_; }
    Registrar& Registrations() { return registrar_; }
    HostWindowService& Windows() { return windows_; }
    // Panes, frame states, toolbars, menus, accelerators and command targets.
    DockingFramework& Docking() { return docking_; }
    SourceLookupService& SourceLookup() { return sourceLookup_; }
    // The requests to open a source line; the front end shows them.
    SourceDisplayService& SourceDisplay() { return sourceDisplay_; }
    // The requests for the device's memory map settings; offered while the open workspace
    // names its device.
    MemoryMapSettingService& MemoryMapSetting() { return memoryMapSetting_; }

    // Set after the linker option service took new section settings; the front end tells
    // the components and clears it.
    bool SectionSettingsChanged() const { return sectionSettingsChanged_; }
    void ClearSectionSettingsChanged() { sectionSettingsChanged_ = false; }

private:
    static std::string ConfigDirOf(const Options& options);
    void MakeWorkspaceServices();

    std::unique_ptr<Workspace> workspace_;
    BraeHost host_;
    ValueConversionService valueConversion_;
    std::unique_ptr<LinkerSettingService> linkerSettings_;
    std::unique_ptr<LinkerOptionService> linkerOptions_;
    std::unique_ptr<MemoryResourceService> memoryResources_;
    PlaceholderService placeholders_;
    SourceLookupService sourceLookup_;
    CustomPlaceholderService customPlaceholders_;
    OptionsService userOptions_;
    ProfileService profile_;
    ErrorService errors_;
    Registrar registrar_;
    HostWindowService windows_;
    DockingFramework docking_;
    SourceDisplayService sourceDisplay_;
    MemoryMapSettingService memoryMapSetting_;
    std::unique_ptr<WorkspaceDataService> workspaceData_;
    std::unique_ptr<ProjectInfoService> projectInfo_;
    bool sectionSettingsChanged_ = false;
};

}  // namespace tarnhost
