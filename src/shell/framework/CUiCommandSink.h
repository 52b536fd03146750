// The first command sink base class: the component's hidden window that owns every open view
// (in opening order), keeps the host's services and the view frame manager, and closes, hides
// and refreshes views on the messages the views send it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/windows/Window.h"
#include "src/shell/HostInterfaces.h"
#include "src/shell/framework/CFrameCompanion.h"

class CViewFrameManager;
class CTarnDebugInstanceDataCtrlEx;

class CUiCommandSink : public tarnui::Window {
public:
    using ViewList = std::vector<std::unique_ptr<CTarnDebugInstanceDataCtrlEx>>;

    CUiCommandSink(IBraeHost* host, CViewFrameManager* frameManager);
    // Closes every view that is still open, then destroys the window.
    ~CUiCommandSink() override;

    // For each view in opening order: before-destroy, detach from its frame, delete. Then the
    // list is empty.
    virtual void CloseAllViews();
    virtual void RefreshAllViews();
    // Closes and deletes the view of the window; 1 when it was one of the open views.
    virtual int ViewClosing(tarnui::Window* viewWindow);
    // Hides the frame of the view of the window; 1 when it was one of the open views.
    virtual int ViewHidden(tarnui::Window* viewWindow);

    // The print chooser. Rebuilds the print candidates (the views that can print, in opening
    // order) and returns how many there are.
    virtual int CountPrintableViews();
    // The caption of candidate i; "" when out of range.
    virtual std::string PrintCandidateCaption(int index) const;
    // Prints every view whose caption equals the text, ignoring case; how many printed.
    virtual int PrintViewsByCaption(const std::string& caption);
    virtual bool AnyViewPrintable() const;

    // The state of the frame that holds a view (kFrameShown while it is shown); 0 without a
    // view frame manager. Views refresh only while their frame is shown.
    virtual uint32_t ViewFrameState(const tarnui::Window* viewWindow) const;

    // Takes a view into the list of open views, after the views opened before it.
    CTarnDebugInstanceDataCtrlEx* AddView(std::unique_ptr<CTarnDebugInstanceDataCtrlEx> view);
    // The open view of a window, or null.
    CTarnDebugInstanceDataCtrlEx* FindView(const tarnui::Window* viewWindow) const;
    const ViewList& Views() const { return views_; }

    IBraeHost* Host() const { return host_; }
    CViewFrameManager* FrameManager() const { return frameManager_; }
    const CFrameCompanions& Companions() const { return companions_; }
    IBraeOptions* OptionsService() const { return options_; }
    IBraeWorkspaceData* WorkspaceDataService() const { return workspaceData_; }
    IBraeProjectInfo* ProjectInfoService() const { return projectInfo_; }
    IUnknown* WorkspaceSaveService() const { return workspaceSave_; }
    IBraeProfile* ProfileService() const { return profile_; }
    IBraeMemoryMapSetting* MemoryMapService() const { return memoryMap_; }

protected:
    // User messages 1 (close the view), 3 (hide its frame) and 4 (refresh it), each with the
    // view's window.
    tarnui::MessageResult OnMessage(tarnui::MessageId msg, tarnui::MessageParam w,
                                    tarnui::MessageParam l) override;
    // Lets the view frame manager forget the sink window and its companions.
    void OnDestroy() override;

private:
    ViewList::iterator Find(const tarnui::Window* viewWindow);
    void Dispose(CTarnDebugInstanceDataCtrlEx& view);

    IBraeHost* host_;
    IBraeOptions* options_;
    IBraeWorkspaceData* workspaceData_;
    IBraeProjectInfo* projectInfo_;
    IUnknown* workspaceSave_;
    IBraeProfile* profile_;
    IBraeMemoryMapSetting* memoryMap_;
    CViewFrameManager* frameManager_;
    CFrameCompanions companions_;
    ViewList views_;
    std::vector<CTarnDebugInstanceDataCtrlEx*> printCandidates_;
};
