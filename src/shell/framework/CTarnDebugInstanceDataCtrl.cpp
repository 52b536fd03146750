#include "src/shell/framework/CTarnDebugInstanceDataCtrl.h"

CTarnDebugInstanceDataCtrl::CTarnDebugInstanceDataCtrl(uint32_t flags, IBraeHost* host,
                                                       CViewFrameManager* frameManager)
    : CTarnInstanceDataCtrl(flags, host, frameManager) {}

void CTarnDebugInstanceDataCtrl::OnDebuggerFirst() {}

void CTarnDebugInstanceDataCtrl::OnDebuggerSecond() {}

int CTarnDebugInstanceDataCtrl::ItemHeight() const {
    return tarnui::GetTextMetrics(font_).height;
}

bool CTarnDebugInstanceDataCtrl::OnCreate() {
    const bool created = CTarnInstanceDataCtrl::OnCreate();
    font_ = tarnui::Font{};
    font_.face = kViewFontFace;
    font_.height = kViewFontHeight;
    font_.width = kViewFontWidth;
    SetFont(&font_);
    return created;
}
