// "Add Overlay Group": a consecutive run of the selected node's parts and the overlay group
// that is to share their address.
#pragma once

#include <string>

#include "platform/controls/TreeControl.h"
#include "src/shell/framework/CDlgWithHelp.h"

class CDlgAddOverlayGroup : public CDlgWithHelp {
public:
    CDlgAddOverlayGroup(const tarnui::TreeControl* tree, tarnui::TreeItem selected,
                        bool overlayAllowed, bool partialAllowed, tarnui::Window* parent = nullptr);

    std::string overlayGroup;
    // After OK: the chosen parts joined by ",", the first chosen index and how many.
    std::string selection;
    int firstIndex = -1;
    int count = -1;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // 0 with the selection taken, -1 for no chosen entry, else the fault.
    int TakeSelection();

    const tarnui::TreeControl* tree_;
    tarnui::TreeItem selected_;
    bool overlayAllowed_;
    bool partialAllowed_;
};
