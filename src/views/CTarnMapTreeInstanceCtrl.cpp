#include "src/views/CTarnMapTreeInstanceCtrl.h"

#include "platform/graphics/Bitmap.h"
#include "src/shell/framework/NamedColours.h"
#include "src/views/ViewFont.h"

namespace {
// Pure cyan (red 0, green 255, blue 255) is the transparent colour of the tree's bitmaps.
constexpr tarnui::Color kTreeImageMask = 0x00FFFF00;
constexpr int kTreeImageSize = 16;
}  // namespace

CTarnMapTreeInstanceCtrl::CTarnMapTreeInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                                   CUiCommandSink* sink,
                                                   CTarnMapDataManager* dataManager, int kind)
    : CTarnDebugInstanceDataCtrlEx(host, frameManager, sink, dataManager, kind) {}

int CTarnMapTreeInstanceCtrl::HelpContextId() const {
    return kMapViewHelpContext;
}

std::string CTarnMapTreeInstanceCtrl::HelpFile(int /*command*/, int /*contextId*/) const {
    return kViewHelpFile;
}

void CTarnMapTreeInstanceCtrl::SetViewFont(const std::string& name, int size) {
    tarnui::Font& font = MutableViewFont();
    font = MakePointFont(name, size * 10);
    tree_.SetItemFont(font);
    tree_.SetLabelFont(font);
    tree_.SetFont(&font);
    tree_.Invalidate();
    tree_.SetItemHeight(tarnui::GetTextMetrics(font).height + 4);
    // Growing the frame by a pixel and back makes it lay the view out again.
    if (tarnui::Window* frame = GetParent()) {
        const tarnui::Rect rect = frame->GetWindowRect();
        frame->MoveWindow({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
        frame->MoveWindow(rect);
    }
}

void CTarnMapTreeInstanceCtrl::SetViewColors(const std::string& /*item*/, int foreground,
                                             int background) {
    const tarnui::Color text = ResolveForegroundColour(foreground);
    const tarnui::Color back = ResolveBackgroundColour(background);
    StoreTextColours(text, back);
    tree_.SetTextColor(text);
    tree_.SetBkColor(back);
    tree_.SetTextBkColor(back);
}

// The header is on only while printing, so that the tree text gets its heading lines.
void CTarnMapTreeInstanceCtrl::PrintView() {
    tree_.SetRedraw(false);
    tree_.ShowHeader(true, false);
    tree_.PrintTree();
    tree_.ShowHeader(false, false);
    tree_.SetRedraw(true);
}

void CTarnMapTreeInstanceCtrl::SaveInstanceSettings(CWorkspaceDataAccessor& accessor,
                                                    const std::string& prefix) {
    tree_.SaveInstanceState(accessor, prefix);
}

void CTarnMapTreeInstanceCtrl::LoadInstanceSettings(CWorkspaceDataAccessor& accessor,
                                                    const std::string& prefix) {
    tree_.RestoreInstanceState(accessor, prefix);
}

void CTarnMapTreeInstanceCtrl::InitImages(CMapTreeCtrl& tree, const int* ids, int count) {
    images_ = tarnui::ImageList{};
    images_.Create(kTreeImageSize, kTreeImageSize, true, 4, 1);
    for (int i = 0; i < count; ++i) {
        if (const auto bitmap = tarnui::LoadBitmap(ids[i] & 0xFFFF)) {
            images_.Add(*bitmap, kTreeImageMask);
        }
    }
    tree.SetImageList(&images_);
}
