#include "host/lib/SubstituteHost.h"

#include "host/lib/UserFiles.h"

namespace tarnhost {

SubstituteHost::SubstituteHost(std::unique_ptr<Workspace> workspace, Options options)
    : workspace_(std::move(workspace)),
      placeholders_(workspace_.get(), options.installDir),
      sourceLookup_(workspace_.get(), options.hostPlaceholders),
      customPlaceholders_(workspace_.get(), std::move(options.hostPlaceholders)),
      userOptions_(ConfigDirOf(options)),
      profile_(ConfigDirOf(options)) {
    host_.AddService<IBraeValueConversion>(kIdValueConversionService, &valueConversion_);
    host_.AddService<IBraePlaceholders>(kIdPlaceholderService, &placeholders_);
    host_.AddService<IBraeCustomPlaceholders>(kIdCustomPlaceholderService, &customPlaceholders_);
    host_.AddService<IBraeOptions>(kIdOptionsService, &userOptions_);
    host_.AddService<IBraeProfile>(kIdProfileService, &profile_);
    host_.AddService<IBraeErrorService>(kIdErrorService, &errors_);
    host_.AddService<IBraeRegistrar>(kIdIBraeRegistrar, &registrar_);
    host_.AddService<IBraeHostWindows>(kIdHostWindowService, &windows_);
    host_.AddService<IBraeDockingFramework>(kIdDockingFrameworkService, &docking_);
    host_.AddService<IBraeSourceLookup>(kIdSourceLookupService, &sourceLookup_);
    host_.AddService<IBraeSourceDisplay>(kIdSourceDisplayService, &sourceDisplay_);
    MakeWorkspaceServices();
}

void SubstituteHost::SetWorkspace(std::unique_ptr<Workspace> workspace) {
    for (const TarnId& id :
         {kIdLinkerSettingService, kIdLinkerOptionService, kIdMemoryResourceService,
          kIdWorkspaceDataService, kIdWorkspaceSaveService, kIdProjectInformationService,
          kIdMemoryMapService}) {
        host_.RemoveService(id);
    }
    linkerSettings_.reset();
    linkerOptions_.reset();
    memoryResources_.reset();
    workspaceData_.reset();
    projectInfo_.reset();
    workspace_ = std::move(workspace);
    placeholders_.SetWorkspace(workspace_.get());
    sourceLookup_.SetWorkspace(workspace_.get());
    customPlaceholders_.SetWorkspace(workspace_.get());
    MakeWorkspaceServices();
}

void SubstituteHost::MakeWorkspaceServices() {
    memoryMapSetting_.SetWorkspace(workspace_.get());
    if (workspace_ == nullptr) {
        return;
    }
    if (memoryMapSetting_.Available()) {
        host_.AddService<IBraeMemoryMapSetting>(kIdMemoryMapService, &memoryMapSetting_);
    }
    linkerSettings_ = std::make_unique<LinkerSettingService>(*workspace_);
    linkerOptions_ = std::make_unique<LinkerOptionService>(
        *workspace_, [this] { sectionSettingsChanged_ = true; });
    memoryResources_ = std::make_unique<MemoryResourceService>(*workspace_);
    host_.AddService<IBraeLinkerSettings>(kIdLinkerSettingService, linkerSettings_.get());
    host_.AddService<IBraeLinkerOptions>(kIdLinkerOptionService, linkerOptions_.get());
    host_.AddService<IBraeMemoryResources>(kIdMemoryResourceService, memoryResources_.get());
    workspaceData_ = std::make_unique<WorkspaceDataService>(*workspace_);
    projectInfo_ = std::make_unique<ProjectInfoService>(*workspace_);
    host_.AddService<IBraeWorkspaceData>(kIdWorkspaceDataService, workspaceData_.get());
    // Saving the workspace needs no service of its own here: the data service writes its
    // file at every change, so it answers for the save as well.
    host_.AddService<IBraeWorkspaceData>(kIdWorkspaceSaveService, workspaceData_.get());
    host_.AddService<IBraeProjectInfo>(kIdProjectInformationService, projectInfo_.get());
}

std::string SubstituteHost::ConfigDirOf(const Options& options) {
    return options.configDir.empty() ? UserConfigDir() : options.configDir;
}

SubstituteHost::~SubstituteHost() = default;

Contexts SubstituteHost::ContextStrings() const {
    return workspace_ != nullptr ? Contexts::Of(*workspace_) : Contexts{};
}

}  // namespace tarnhost
