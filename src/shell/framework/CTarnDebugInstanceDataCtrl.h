// The second view base class: adds the debugger services and the view's font, which the
// creation message sets to "Courier New", 11 high and 8 wide.
#pragma once

#include "platform/graphics/Font.h"
#include "src/shell/framework/CDebugInterfaces.h"
#include "src/shell/framework/CTarnInstanceDataCtrl.h"

inline constexpr const char* kViewFontFace = "Courier New";
inline constexpr int kViewFontHeight = 11;
inline constexpr int kViewFontWidth = 8;

class CTarnDebugInstanceDataCtrl : public CTarnInstanceDataCtrl, public CDebugInterfaces {
public:
    CTarnDebugInstanceDataCtrl(uint32_t flags, IBraeHost* host, CViewFrameManager* frameManager);

    // Hooks of the two debugger broadcasts of the command sink.
    virtual void OnDebuggerFirst();
    virtual void OnDebuggerSecond();

    const tarnui::Font& ViewFont() const { return font_; }
    // The height of owner-drawn rows: the height of the view's font.
    int ItemHeight() const;

protected:
    // The default creation, then the view's own font. Views run it before their own work.
    bool OnCreate() override;
    tarnui::Font& MutableViewFont() { return font_; }

private:
    tarnui::Font font_;
};
