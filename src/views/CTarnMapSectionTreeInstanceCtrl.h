// "Section Tree Window": a root "Link map list" with one item per section of the link map
// (gap rows left out), in the model's current order. Selecting a section makes the companion
// symbol list show that section's symbols; the root shows all. Find, filter and "View source"
// act on the companion.
#pragma once

#include "src/data/LinkMapRows.h"
#include "src/views/CTarnMapTreeInstanceCtrl.h"

class CTarnMapSymbolListInstanceCtrl;

inline constexpr const char* kSectionTreeCaption = "Section Tree Window";
inline constexpr const char* kSectionTreeClass = "CTarnMapSectionTreeInstanceCtrl";
inline constexpr int kSectionTreeControlId = 207;

class CTarnMapSectionTreeInstanceCtrl : public CTarnMapTreeInstanceCtrl {
public:
    // The companion is not owned; the command sink creates it first and keeps it as long.
    CTarnMapSectionTreeInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                    CUiCommandSink* sink, CTarnMapDataManager* dataManager,
                                    int kind, CTarnMapSymbolListInstanceCtrl* companion);
    ~CTarnMapSectionTreeInstanceCtrl() override;

    void Refresh() override;
    bool HasPrintData() override;

    // The companion while it is open; null once the sink has closed it (a person may close its
    // pane alone), so that nothing reaches a deleted view.
    CTarnMapSymbolListInstanceCtrl* Companion() const;
    int RowCount() const { return rowCount_; }
    bool IsFirstBuild() const { return firstBuild_; }

protected:
    bool OnCreate() override;
    void OnDestroy() override;

private:
    void OnSelectionChanged();
    // The tree's find, filter and "View source" run as the companion's.
    void ForwardToCompanion(int command);
    void UpdateFromCompanion(tarnui::CommandUI& ui);
    std::string ItemText(const tagLinkMapSectionInfo& row) const;

    CTarnMapSymbolListInstanceCtrl* companion_;
    LinkMapSectionRows rows_;
    int rowCount_ = 0;
    bool firstBuild_ = true;
};
