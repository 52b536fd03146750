// The "Symbol List Window": one row per symbol of the link map, of all sections or of the one
// the section tree chose. On top of the list view it finds symbols by name (plain text or
// wildcards, forwards and backwards, with a history of searched names shared by all symbol
// lists) and filters rows by attribute, scope, section and file.
#pragma once

#include <string>
#include <vector>

#include "src/data/LinkMapRows.h"
#include "src/views/CTarnMapListInstanceCtrl.h"
#include "src/views/SFilterItem.h"

class CLinkMapInfo;

inline constexpr const char* kSymbolListCaption = "Symbol List Window";
inline constexpr const char* kSymbolListLayoutSection = "CTarnMapSymbolListInstanceCtrl";
inline constexpr int kSymbolListKind = 3;
// The find history keeps this many names, the latest first.
inline constexpr size_t kFindHistoryLimit = 10;

using FindHistory = std::vector<std::string>;

class CTarnMapSymbolListInstanceCtrl : public CTarnMapListInstanceCtrl {
public:
    // `findHistory` is the command sink's list, shared by every symbol list; without one the
    // view keeps a list of its own.
    CTarnMapSymbolListInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                   CUiCommandSink* sink, CTarnMapDataManager* dataManager,
                                   FindHistory* findHistory, int kind = kSymbolListKind);
    ~CTarnMapSymbolListInstanceCtrl() override;

    // Sorts the model by the view's column and fills the list with the symbols of the section
    // that the filter lets through; nothing while the frame is not shown.
    void Refresh() override;
    // Whether the section has symbols, even when the filter hides all of them.
    bool HasPrintData() override { return rowCount_ > 0; }

    // The section whose symbols are shown ("" for all); the caller refreshes afterwards. A find
    // starts again from the first row.
    void SetSection(const std::string& section);
    const std::string& Section() const { return section_; }

    // Looks for the text in the names from row start + step on, stepping by `step`; on a match
    // selects that row and remembers the search. Returns whether it found one.
    bool Search(const std::string& text, int start, int step, bool matchCase, bool wildCard);
    // Puts a name found at the head of the history, once, keeping at most ten.
    void RememberFound(const std::string& text);

    // The filter: a row passes when its attribute and scope are checked items and its section
    // and file (without extension) match the texts that are not empty.
    bool RowPassesFilter(const LinkMapSymbolView& row) const;
    bool FilterEnabled() const { return filterEnabled_; }
    void SetFilter(bool enabled, std::string section, std::string file);
    FilterItems& AttributeItems() { return attributeItems_; }
    FilterItems& ScopeItems() { return scopeItems_; }
    const std::string& SectionFilter() const { return sectionFilter_; }
    const std::string& FileFilter() const { return fileFilter_; }

    int RowCount() const { return rowCount_; }
    const FindHistory& History() const { return *findHistory_; }
    int FindPosition() const { return findPosition_; }
    const std::string& FindText() const { return findText_; }

    // The commands, also for the section tree, which forwards its own to its symbol list.
    void OnFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnFilter();
    void OnUpdateFind(tarnui::CommandUI& ui);
    void OnUpdateFindNext(tarnui::CommandUI& ui);
    void OnUpdateFilter(tarnui::CommandUI& ui);

protected:
    bool OnCreate() override;

private:
    // Find Next (+1) and backwards (-1) with the last search's text and options.
    void SearchOn(int step);
    void FillList(const CLinkMapInfo& linkMap);

    std::string section_;
    int rowCount_ = 0;
    FindHistory ownHistory_;
    FindHistory* findHistory_;
    std::string findText_;
    int findPosition_ = -1;
    int findStep_ = 0;
    bool findMatchCase_ = false;
    bool findWildCard_ = false;
    bool filterEnabled_ = false;
    FilterItems attributeItems_;
    FilterItems scopeItems_;
    std::string sectionFilter_;
    std::string fileFilter_;
};
