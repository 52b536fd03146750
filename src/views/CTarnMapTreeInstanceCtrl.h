// The read-only tree view base of the Map windows: the tree control with its image list, the
// view font (which also sets the item height) and colours, printing of the tree text with
// the column header switched on, and the tree's state in the workspace. Derived windows
// create the tree control and fill it.
#pragma once

#include <string>

#include "platform/graphics/ImageList.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/views/CMapTreeCtrl.h"

class CWorkspaceDataAccessor;

// The help context of the views: that of the command "Map...".
inline constexpr int kMapViewHelpContext = 32770;

class CTarnMapTreeInstanceCtrl : public CTarnDebugInstanceDataCtrlEx {
public:
    CTarnMapTreeInstanceCtrl(IBraeHost* host, CViewFrameManager* frameManager, CUiCommandSink* sink,
                             CTarnMapDataManager* dataManager, int kind);

    int HelpContextId() const override;
    std::string HelpFile(int command, int contextId) const override;
    void SetViewFont(const std::string& name, int size) override;
    void SetViewColors(const std::string& item, int foreground, int background) override;
    void PrintView() override;

    // The tree's column widths, expansion and scroll positions under the key prefix.
    virtual void SaveInstanceSettings(CWorkspaceDataAccessor& accessor, const std::string& prefix);
    virtual void LoadInstanceSettings(CWorkspaceDataAccessor& accessor, const std::string& prefix);
    // Builds the image list (16 x 16, cyan transparent) from bitmap resources, image i from
    // ids[i], and gives it to the tree.
    virtual void InitImages(CMapTreeCtrl& tree, const int* ids, int count);

    CMapTreeCtrl& TreeCtrl() { return tree_; }
    const CMapTreeCtrl& TreeCtrl() const { return tree_; }
    const tarnui::ImageList& Images() const { return images_; }

private:
    tarnui::ImageList images_;
    CMapTreeCtrl tree_;
};
