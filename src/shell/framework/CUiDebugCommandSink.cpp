#include "src/shell/framework/CUiDebugCommandSink.h"

#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"

CUiDebugCommandSink::CUiDebugCommandSink(IBraeHost* host, CViewFrameManager* frameManager)
    : CTarnFormatViewCtrl(host, frameManager) {}

void CUiDebugCommandSink::BroadcastDebuggerFirst() {
    for (const auto& view : Views()) {
        view->OnDebuggerFirst();
    }
}

void CUiDebugCommandSink::BroadcastDebuggerSecond() {
    for (const auto& view : Views()) {
        view->OnDebuggerSecond();
    }
}
