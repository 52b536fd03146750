// The "Section List Window": one row per section of the link map, sorted as the person chose,
// with the gaps between sections ("Unallocated Area") and the sections of size zero shown only
// on request. It belongs to the Map window "Map Section Information".
#pragma once

#include "src/data/LinkMapRows.h"
#include "src/views/CTarnMapListInstanceCtrl.h"

inline constexpr const char* kSectionListCaption = "Section List Window";
inline constexpr const char* kSectionListLayoutSection = "CTarnMapSectionListInstanceCtrl";
inline constexpr int kSectionListKind = 1;

class CTarnMapSectionListInstanceCtrl : public CTarnMapListInstanceCtrl {
public:
    CTarnMapSectionListInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager,
                                    CUiCommandSink* sink, CTarnMapDataManager* dataManager,
                                    int kind = kSectionListKind);
    ~CTarnMapSectionListInstanceCtrl() override;

    // Sorts the model by the view's column, copies its sections, filters and merges them and
    // fills the list; nothing while the frame is not shown.
    void Refresh() override;
    bool HasPrintData() override { return rowCount_ > 0; }

    const LinkMapSectionRows& Rows() const { return rows_; }
    int RowCount() const { return rowCount_; }
    bool ShowsUnallocatedAreas() const { return showUnallocated_; }
    bool ShowsZeroSizeSections() const { return showZeroSize_; }

protected:
    bool OnCreate() override;

private:
    void OnShowUnallocatedArea();
    void OnShowNoSizeSection();
    // Enabled while the model has sections; checked when that holds and `flag` is set.
    void UpdateShowCommand(tarnui::CommandUI& ui, bool flag) const;
    void FillList();

    LinkMapSectionRows rows_;
    int rowCount_ = 0;
    bool showUnallocated_ = false;
    bool showZeroSize_ = false;
};
