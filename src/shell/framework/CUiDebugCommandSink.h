// The third command sink base class, the base of the component's command sink: the debugger
// services and the debugger broadcasts to every view.
#pragma once

#include "src/shell/framework/CDebugInterfaces.h"
#include "src/shell/framework/CTarnFormatViewCtrl.h"

class CUiDebugCommandSink : public CTarnFormatViewCtrl, public CDebugInterfaces {
public:
    CUiDebugCommandSink(IBraeHost* host, CViewFrameManager* frameManager);

    void BroadcastDebuggerFirst() override;
    void BroadcastDebuggerSecond() override;
};
