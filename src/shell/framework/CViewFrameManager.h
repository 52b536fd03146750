// The view frame manager: the component's side of the host's docking framework. It asks the
// host for panes, frame states, toolbars, menus and accelerators for the component's windows.
#pragma once

#include "src/shell/HostInterfaces.h"

class CViewFrameManager {
public:
    explicit CViewFrameManager(IBraeHost* host);
    virtual ~CViewFrameManager();
    CViewFrameManager(const CViewFrameManager&) = delete;
    CViewFrameManager& operator=(const CViewFrameManager&) = delete;

    IBraeHost* Host() const { return host_; }

private:
    IBraeHost* host_;
};
