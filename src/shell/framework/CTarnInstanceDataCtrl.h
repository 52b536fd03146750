// The first view base class: a window tied to the host. It keeps the host's services, asks the
// view frame manager for its frame's state, toolbar and docking, and handles the frame
// commands every view shares, F1 and resizing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/windows/Window.h"
#include "src/shell/HostInterfaces.h"
#include "src/shell/framework/CFrameCompanion.h"

class CViewFrameManager;

// The help file of the list and tree views: an HTML help file with a window name.
inline constexpr const char* kViewHelpFile = "Map.chm>F1HelpWindow";

class CTarnInstanceDataCtrl : public tarnui::Window {
public:
    CTarnInstanceDataCtrl(uint32_t flags, IBraeHost* host, CViewFrameManager* frameManager);
    ~CTarnInstanceDataCtrl() override;

    // Flags.
    virtual uint32_t TestFlags(uint32_t mask) const;
    virtual uint32_t GetFlags() const;
    // Sets (on non-zero) or clears the bits: the bits when setting, the new flags when
    // clearing.
    virtual uint32_t SetFlags(uint32_t bits, int on);
    virtual void ReplaceFlags(uint32_t value);
    // Lets the view frame manager forget the window and its two companion objects.
    virtual void BeforeDestroy();
    virtual void Refresh();
    virtual int HelpContextId() const;
    // The help file for a help command and context; "" when the view has none.
    virtual std::string HelpFile(int command, int contextId) const;

    // Creates the window as a visible child of the pane; messages for the command sink go to
    // messageTarget.
    bool CreateViewWindow(tarnui::Window* pane, tarnui::Window* messageTarget);
    tarnui::Window* MessageTarget() const { return messageTarget_; }
    // The frame (the pane) that holds the view.
    tarnui::Window* Frame() const { return GetParent(); }

    // F1: with Shift held, context help mode; otherwise the view's HTML help. Returns whether
    // help opened.
    bool OnHelpKey(bool shiftHeld);
    // The colour the background is erased with.
    tarnui::Color BackgroundEraseColour() const;

    IBraeHost* Host() const { return host_; }
    CViewFrameManager* FrameManager() const { return frameManager_; }
    IBraeOptions* OptionsService() const { return options_; }
    IBraeProfile* ProfileService() const { return profile_; }
    IBraeSourceLookup* SourceLookupService() const { return sourceLookup_; }
    IBraeSourceDisplay* SourceDisplayService() const { return sourceDisplay_; }
    const CFrameCompanions& Companions() const { return companions_; }

protected:
    void OnSize(int width, int height) override;
    // F1 (with or without Shift) as OnHelpKey. Views that handle keys of their own pass the
    // others on to this.
    bool OnKeyDown(const tarnui::KeyEvent& key) override;
    tarnui::MessageResult OnMessage(tarnui::MessageId msg, tarnui::MessageParam w,
                                    tarnui::MessageParam l) override;

    // The frame commands; views map further command numbers onto them.
    void OnAllowDocking();
    void OnUpdateAllowDocking(tarnui::CommandUI& ui);
    void OnHideWindow();
    void OnUpdateHideWindow(tarnui::CommandUI& ui);
    void OnDisplayToolbar();
    void OnUpdateDisplayToolbar(tarnui::CommandUI& ui);
    void OnCustomizeToolbar();
    void OnUpdateCustomizeToolbar(tarnui::CommandUI& ui);

private:
    uint32_t flags_;
    IBraeHost* host_;
    IBraeOptions* options_;
    IBraeProfile* profile_;
    IBraeSourceLookup* sourceLookup_;
    IBraeSourceDisplay* sourceDisplay_;
    CViewFrameManager* frameManager_;
    CFrameCompanions companions_;
    tarnui::Window* messageTarget_ = nullptr;
};
