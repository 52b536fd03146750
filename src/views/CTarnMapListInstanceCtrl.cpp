#include "src/views/CTarnMapListInstanceCtrl.h"

#include <cstdlib>

#include "platform/controls/ReportNotifications.h"
#include "platform/graphics/Bitmap.h"
#include "platform/resources/ResourceContext.h"
#include "platform/text/Utf.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/CWorkspaceDataAccessor.h"
#include "src/shell/framework/CUiCommandSink.h"
#include "src/shell/framework/NamedColours.h"
#include "src/views/ViewFont.h"

namespace {

constexpr int kHeaderImageWidth = 9;
constexpr int kHeaderImageHeight = 5;
constexpr tarnui::Color kHeaderImageMask = 0xFFFFFF;  // white
// The help context of the "Map..." command, which every list view shares.
constexpr int kListHelpContext = 32770;

constexpr uint32_t kListStyle =
    tarnui::kLvsReport | tarnui::kLvsSingleSel | tarnui::kLvsShowSelAlways | tarnui::kLvsClientEdge;

uint32_t ToArgb(tarnui::Color c) {
    return 0xFF000000u | (static_cast<uint32_t>(tarnui::RedOf(c)) << 16) |
           (static_cast<uint32_t>(tarnui::GreenOf(c)) << 8) | tarnui::BlueOf(c);
}

// A header arrow with its black drawn in the system's grey text colour.
tarnui::Bitmap LoadArrow(int id) {
    tarnui::Bitmap bitmap = tarnui::LoadBitmap(id).value_or(tarnui::Bitmap{});
    const uint32_t grey = ToArgb(tarnui::GetSysColor(tarnui::kColorGrayText));
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if ((bitmap.Pixel(x, y) & 0xFFFFFFu) == 0 && (bitmap.Pixel(x, y) >> 24) != 0) {
                bitmap.SetPixel(x, y, grey);
            }
        }
    }
    return bitmap;
}

}  // namespace

CTarnMapListInstanceCtrl::CTarnMapListInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                                   CUiCommandSink* sink,
                                                   CTarnMapDataManager* dataManager, int kind,
                                                   std::string layoutSection)
    : CTarnDebugInstanceDataCtrlEx(host, frameManager, sink, dataManager, kind),
      layoutSection_(std::move(layoutSection)) {
    OnNotification(
        tarnres::kCtlViewList, tarnui::kNotifyColumnClick,
        [this](const tarnui::Notification& n) { OnColumnClick(static_cast<int>(n.payload)); });
    OnNotification(tarnres::kCtlViewList, tarnui::kNotifyDoubleClicked,
                   [this](const tarnui::Notification&) { OnViewSource(); });
    OnCommand(tarnres::kCmdViewSource, [this] { OnViewSource(); });
    OnUpdateCommand(tarnres::kCmdViewSource,
                    [this](tarnui::CommandUI& ui) { OnUpdateViewSource(ui); });
    MapPrintCommand(tarnres::kCmdHostPrint);
}

CTarnMapListInstanceCtrl::~CTarnMapListInstanceCtrl() {
    DestroyWindow();
}

int CTarnMapListInstanceCtrl::HelpContextId() const {
    return kListHelpContext;
}

std::string CTarnMapListInstanceCtrl::HelpFile(int /*command*/, int /*contextId*/) const {
    return kViewHelpFile;
}

// ---- creation and destruction -------------------------------------------------------------

bool CTarnMapListInstanceCtrl::CreateListView(int toolbarResource, std::span<const int> titles) {
    if (!CTarnDebugInstanceDataCtrl::OnCreate()) {
        return false;
    }
    CreateToolbar(toolbarResource);
    if (!list_.Create(kListStyle, GetClientRect(), this, tarnres::kCtlViewList, 0)) {
        return false;
    }
    list_.SetExtendedStyle(list_.GetExtendedStyle() | tarnui::kLvsExInfoTip |
                           tarnui::kLvsExFullRowSelect);
    InitColumns(list_, titles.data(), static_cast<int>(titles.size()));
    list_.RestoreColumnLayout(ProfileService(), layoutSection_);
    list_.Invalidate();
    list_.EnsureVisible(0);
    return true;
}

void CTarnMapListInstanceCtrl::OnDestroy() {
    list_.SaveColumnLayout(ProfileService(), layoutSection_);
    CTarnDebugInstanceDataCtrlEx::OnDestroy();
}

// ---- columns and sorting ------------------------------------------------------------------

void CTarnMapListInstanceCtrl::InitColumns(CMapListCtrl& list, const int* titles, int count) {
    const int charWidth = ViewFont().width;
    for (int i = 0; i < count; ++i) {
        std::string title = tarnui::LoadString(titles[i]);
        const int width = static_cast<int>(static_cast<double>(title.size()) * charWidth * 1.5);
        list.InsertColumn(list.GetColumnCount(), std::move(title), tarnui::ColumnAlign::Left,
                          width);
    }
    InstallHeaderImages();
    if (sortColumn_ != -1) {
        UpdateHeaderArrows();
    }
}

void CTarnMapListInstanceCtrl::InstallHeaderImages() {
    if (!headerImages_.IsCreated()) {
        headerImages_.Create(kHeaderImageWidth, kHeaderImageHeight, true, 2, 1);
        headerImages_.Add(LoadArrow(tarnres::kBmpSortAscending), kHeaderImageMask);
        headerImages_.Add(LoadArrow(tarnres::kBmpSortDescending), kHeaderImageMask);
    }
    list_.SetHeaderImageList(&headerImages_);
}

void CTarnMapListInstanceCtrl::UpdateHeaderArrows() {
    for (int c = 0; c < list_.GetColumnCount(); ++c) {
        tarnui::ListColumn column = *list_.GetColumn(c);
        const bool arrow = c == sortColumn_ && sortDirection_ != -1;
        column.image = arrow ? sortDirection_ : -1;
        column.imageOnRight = arrow;
        column.showText = true;
        list_.SetColumn(c, column);
    }
}

void CTarnMapListInstanceCtrl::OnColumnClick(int column) {
    if (column == sortColumn_) {
        sortDirection_ = sortDirection_ == 0 ? 1 : 0;
    } else {
        sortColumn_ = column;
        sortDirection_ = 0;
    }
    UpdateHeaderArrows();
    Refresh();
}

bool CTarnMapListInstanceCtrl::FrameShown() const {
    const CUiCommandSink* sink = CommandSink();
    return sink != nullptr && (sink->ViewFrameState(this) & kFrameShown) != 0;
}

// ---- texts --------------------------------------------------------------------------------

std::string CTarnMapListInstanceCtrl::FormatAddress(uint32_t value) const {
    WString& text = conversionText_;
    if (ValueConversion() == nullptr ||
        Failed(ValueConversion()->AddressToText(value, 0, -1, 0, &text))) {
        return {};
    }
    return tarnui::Utf16ToUtf8(text);
}

std::string CTarnMapListInstanceCtrl::FormatSize(uint32_t value) const {
    WString& text = conversionText_;
    if (ValueConversion() == nullptr || Failed(ValueConversion()->NumberToText(value, 16, &text))) {
        return {};
    }
    // The number comes with the radix prefix "0x", which the column leaves out.
    std::string narrow = tarnui::Utf16ToUtf8(text);
    return narrow.size() > 2 ? narrow.substr(2) : std::string();
}

std::string CTarnMapListInstanceCtrl::FormatEnd(uint32_t start, uint32_t size) const {
    return size == 0 ? std::string() : FormatAddress(start + size - 1);
}

// ---- font, colours, printing --------------------------------------------------------------

void CTarnMapListInstanceCtrl::SetViewFont(const std::string& name, int size) {
    const int top = list_.GetTopIndex();
    list_.EnsureVisible(0);
    MutableViewFont() = MakePointFont(name, size * 10);
    list_.SetFont(&ViewFont());
    list_.Invalidate();
    list_.EnsureVisible(top);
}

void CTarnMapListInstanceCtrl::SetViewColors(const std::string& /*item*/, int foreground,
                                             int background) {
    StoreTextColours(ResolveForegroundColour(foreground), ResolveBackgroundColour(background));
    list_.SetTextColor(TextColour());
    list_.SetTextBkColor(BackgroundColour());
    list_.SetBkColor(BackgroundColour());
    list_.Invalidate();
}

void CTarnMapListInstanceCtrl::PrintView() {
    list_.PrintList();
}

void CTarnMapListInstanceCtrl::OnPrint() {
    PrintView();
}

void CTarnMapListInstanceCtrl::OnUpdatePrint(tarnui::CommandUI& ui) {
    ui.Enable(HasPrintData());
}

void CTarnMapListInstanceCtrl::MapPrintCommand(int command) {
    OnCommand(command, [this] { OnPrint(); });
    OnUpdateCommand(command, [this](tarnui::CommandUI& ui) { OnUpdatePrint(ui); });
}

// ---- view source --------------------------------------------------------------------------

bool CTarnMapListInstanceCtrl::SelectedSourceLine(WString& file, int32_t& line) const {
    const int item = list_.GetNextItem(-1, tarnui::kLvniSelected);
    if (item < 0 || SourceLookupService() == nullptr) {
        return false;
    }
    // The start address as shown: blanks, a sign and "0x" are taken as strtoul takes them.
    const std::string text = list_.GetItemText(item, 1);
    const auto address = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
    return Succeeded(SourceLookupService()->LookupAddress(address, &file, &line));
}

void CTarnMapListInstanceCtrl::OnViewSource() {
    WString file;
    int32_t line = 0;
    if (!SelectedSourceLine(file, line) || SourceDisplayService() == nullptr) {
        return;
    }
    int32_t result = 0;
    SourceDisplayService()->ShowSourceLine(file, line, &result);
}

void CTarnMapListInstanceCtrl::OnUpdateViewSource(tarnui::CommandUI& ui) {
    WString file;
    int32_t line = 0;
    ui.Enable(SelectedSourceLine(file, line));
}

// ---- workspace ----------------------------------------------------------------------------

void CTarnMapListInstanceCtrl::SaveInstanceSettings(CWorkspaceDataAccessor& accessor,
                                                    const std::string& prefix) {
    for (int c = 0; c < list_.GetColumnCount(); ++c) {
        accessor.WriteNumber(prefix + "ColWidth" + std::to_string(c), list_.GetColumnWidth(c));
    }
}

void CTarnMapListInstanceCtrl::LoadInstanceSettings(CWorkspaceDataAccessor& accessor,
                                                    const std::string& prefix) {
    for (int c = 0; c < list_.GetColumnCount(); ++c) {
        int32_t width = list_.GetColumnWidth(c);
        accessor.ReadNumber(prefix + "ColWidth" + std::to_string(c), width, width);
        list_.SetColumnWidth(c, width & 0xFFFF);
    }
    list_.Invalidate();
}
