// The Map component object, one per host instance. It owns the command sink and the view frame
// manager and turns the host's events into the sink's reloads, refreshes and broadcasts.
#pragma once

#include <memory>

#include "src/shell/CTarnDebugDataCtrl.h"

class CTarnMapDataCommandSink;
class CViewFrameManager;

class CTarnMapDataCtrl : public CTarnDebugDataCtrl {
public:
    CTarnMapDataCtrl();
    ~CTarnMapDataCtrl() override;

    // Dispatches the host's events to the command sink; always answers 0.
    HResult Event(const TarnId& event) override;

    CTarnMapDataCommandSink* CommandSink() const { return commandSink_.get(); }
    CViewFrameManager* FrameManager() const { return frameManager_.get(); }

protected:
    bool CreateCommandSink() override;
    void DestroyCommandSink() override;
    // Makes the command sink; the sink's window is created afterwards.
    virtual std::unique_ptr<CTarnMapDataCommandSink> NewCommandSink(
        IBraeHost* host, CViewFrameManager* frameManager);

private:
    std::unique_ptr<CTarnMapDataCommandSink> commandSink_;
    std::unique_ptr<CViewFrameManager> frameManager_;
};
