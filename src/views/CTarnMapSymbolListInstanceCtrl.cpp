#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"
#include "src/data/CStrFind.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/views/CDlgFilterSymbol.h"
#include "src/views/CDlgFindSymbol.h"

namespace {

constexpr std::array<int, 8> kSymbolColumnTitles = {
    tarnres::kStrColumnName,    tarnres::kStrColumnStartAddress, tarnres::kStrColumnEndAddress,
    tarnres::kStrColumnSize,    tarnres::kStrColumnAttribute,    tarnres::kStrColumnScope,
    tarnres::kStrColumnSection, tarnres::kStrColumnFile};

// The file name up to its first ".".
std::string_view WithoutExtension(std::string_view file) {
    return file.substr(0, file.find('.'));
}

}  // namespace

CTarnMapSymbolListInstanceCtrl::CTarnMapSymbolListInstanceCtrl(IBraeHost* host,
                                                               CViewFrameManager* frameManager,
                                                               CUiCommandSink* sink,
                                                               CTarnMapDataManager* dataManager,
                                                               FindHistory* findHistory, int kind)
    : CTarnMapListInstanceCtrl(host, frameManager, sink, dataManager, kind,
                               kSymbolListLayoutSection),
      findHistory_(findHistory != nullptr ? findHistory : &ownHistory_),
      attributeItems_(MakeFilterItems({"Function", "Data", "Entry", "None"})),
      scopeItems_(MakeFilterItems({"Global", "Local"})) {
    SetCaption(kSymbolListCaption);
    SetSort(1, 0);  // Start Address, ascending

    for (int command : {tarnres::kCmdFind, tarnres::kCmdHostFind}) {
        OnCommand(command, [this] { OnFind(); });
        OnUpdateCommand(command, [this](tarnui::CommandUI& ui) { OnUpdateFind(ui); });
    }
    for (int command : {tarnres::kCmdFindNext, tarnres::kCmdHostFindNext}) {
        OnCommand(command, [this] { OnFindNext(); });
        OnUpdateCommand(command, [this](tarnui::CommandUI& ui) { OnUpdateFindNext(ui); });
    }
    OnCommand(tarnres::kCmdHostFindPrevious, [this] { OnFindPrevious(); });
    OnUpdateCommand(tarnres::kCmdHostFindPrevious,
                    [this](tarnui::CommandUI& ui) { OnUpdateFindNext(ui); });
    OnCommand(tarnres::kCmdFilter, [this] { OnFilter(); });
    OnUpdateCommand(tarnres::kCmdFilter, [this](tarnui::CommandUI& ui) { OnUpdateFilter(ui); });
    MapPrintCommand(tarnres::kCmdPrintSymbolList);
}

CTarnMapSymbolListInstanceCtrl::~CTarnMapSymbolListInstanceCtrl() = default;

bool CTarnMapSymbolListInstanceCtrl::OnCreate() {
    return CreateListView(tarnres::kToolbarSymbolList, kSymbolColumnTitles);
}

// ---- rows ---------------------------------------------------------------------------------

void CTarnMapSymbolListInstanceCtrl::SetSection(const std::string& section) {
    if (section != section_) {
        List().DeleteAllItems();
    }
    section_ = section;
    findPosition_ = -1;
}

void CTarnMapSymbolListInstanceCtrl::Refresh() {
    if (!FrameShown() || DataManager() == nullptr) {
        return;
    }
    CTarnMapDataManager& data = *DataManager();
    List().DeleteAllItems();
    if (HasSort()) {
        data.Sort(kWindowTypeSymbolList, SortColumn(), SortDirection());
    }
    rowCount_ = data.GetSymbolCount(section_);
    FillList(*data.LinkMap());
}

// The rows are read in place from the model, each once, straight into the list's cells.
void CTarnMapSymbolListInstanceCtrl::FillList(const CLinkMapInfo& linkMap) {
    CMapListCtrl& list = List();
    list.BeginFill(rowCount_);
    linkMap.VisitSymbols(section_, [&](const LinkMapSymbolView& row) {
        if (filterEnabled_ && !RowPassesFilter(row)) {
            return;
        }
        std::vector<std::string> texts;
        texts.reserve(kSymbolColumnTitles.size());
        texts.emplace_back(row.name);
        texts.push_back(FormatAddress(row.address));
        texts.push_back(FormatEnd(row.address, row.size));
        texts.push_back(FormatSize(row.size));
        texts.emplace_back(row.attribute);
        texts.emplace_back(row.scope);
        texts.emplace_back(row.section);
        texts.emplace_back(row.file);
        list.AppendItem(std::move(texts));
    });
    list.EndFill();
}

// ---- filter -------------------------------------------------------------------------------

bool CTarnMapSymbolListInstanceCtrl::RowPassesFilter(const LinkMapSymbolView& row) const {
    return IsCheckedName(attributeItems_, row.attribute) && IsCheckedName(scopeItems_, row.scope) &&
           (sectionFilter_.empty() || sectionFilter_ == row.section) &&
           (fileFilter_.empty() || fileFilter_ == WithoutExtension(row.file));
}

void CTarnMapSymbolListInstanceCtrl::SetFilter(bool enabled, std::string section,
                                               std::string file) {
    filterEnabled_ = enabled;
    sectionFilter_ = std::move(section);
    fileFilter_ = std::move(file);
}

void CTarnMapSymbolListInstanceCtrl::OnFilter() {
    ScopedComponentState resources;
    CDlgFilterSymbol dialog(attributeItems_, scopeItems_, sectionFilter_, fileFilter_,
                            filterEnabled_, this);
    if (dialog.DoModal() != tarnui::IDOK) {
        // Also when the dialog ended without its Cancel button.
        dialog.RestoreItems();
        return;
    }
    SetFilter(dialog.FilterEnabled(), dialog.SectionFilter(), dialog.FileFilter());
    Refresh();
}

void CTarnMapSymbolListInstanceCtrl::OnUpdateFilter(tarnui::CommandUI& ui) {
    ui.Enable(rowCount_ >= 1);
}

// ---- find ---------------------------------------------------------------------------------

// The search walks the names in the list's first column, as the last refresh filled it; each
// step costs one comparison.
bool CTarnMapSymbolListInstanceCtrl::Search(const std::string& text, int start, int step,
                                            bool matchCase, bool wildCard) {
    const uint32_t flags =
        (matchCase ? 0 : CStrFind::kIgnoreCase) | (wildCard ? CStrFind::kWildcard : 0);
    const CMapListCtrl& names = List();
    const int count = names.GetItemCount();
    for (int i = start + step; i >= 0 && i < count; i += step) {
        CStrFind finder;
        if (finder.Find(names.ItemText(i, 0).c_str(), text.c_str(), flags) == 0) {
            continue;
        }
        findText_ = text;
        findPosition_ = i;
        findStep_ = step;
        findMatchCase_ = matchCase;
        findWildCard_ = wildCard;
        CMapListCtrl& list = List();
        list.EnsureVisible(i);
        const uint32_t states = tarnui::kLvisSelected | tarnui::kLvisFocused;
        list.SetItemState(i, states, states);
        list.Invalidate();
        return true;
    }
    return false;
}

void CTarnMapSymbolListInstanceCtrl::RememberFound(const std::string& text) {
    FindHistory& history = *findHistory_;
    history.erase(std::remove(history.begin(), history.end(), text), history.end());
    history.insert(history.begin(), text);
    if (history.size() > kFindHistoryLimit) {
        history.resize(kFindHistoryLimit);
    }
}

void CTarnMapSymbolListInstanceCtrl::OnFind() {
    ScopedComponentState resources;
    CDlgFindSymbol dialog(*this, *findHistory_, this);
    dialog.DoModal();
}

void CTarnMapSymbolListInstanceCtrl::SearchOn(int step) {
    if (Search(findText_, findPosition_, step, findMatchCase_, findWildCard_)) {
        return;
    }
    ScopedComponentState resources;
    tarnui::MessageBox(this, tarnui::LoadString(tarnres::kStrSearchReachedEnd), {}, tarnui::kMbOk);
}

void CTarnMapSymbolListInstanceCtrl::OnFindNext() {
    SearchOn(+1);
}

void CTarnMapSymbolListInstanceCtrl::OnFindPrevious() {
    SearchOn(-1);
}

void CTarnMapSymbolListInstanceCtrl::OnUpdateFind(tarnui::CommandUI& ui) {
    ui.Enable(rowCount_ >= 1 && !filterEnabled_);
}

void CTarnMapSymbolListInstanceCtrl::OnUpdateFindNext(tarnui::CommandUI& ui) {
    ui.Enable(rowCount_ >= 1 && findPosition_ >= 0 && !filterEnabled_);
}
