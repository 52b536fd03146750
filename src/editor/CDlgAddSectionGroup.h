// "Add Section Group": a start address list and the section list placed there. It also edits
// the address (mode 5) or the section list (mode 6) of an existing group.
#pragma once

#include <string>

#include "platform/controls/TreeControl.h"
#include "src/shell/HostInterfaces.h"
#include "src/shell/framework/CDlgWithHelp.h"

enum SectionGroupDialogMode : int {
    kGroupDialogAdd = 1,
    kGroupDialogEditAddress = 5,
    kGroupDialogEditSections = 6,
};

class CDlgAddSectionGroup : public CDlgWithHelp {
public:
    // `tree` holds the groups for the duplicate address test; `editedGroup` is the group
    // whose address mode 5 edits (it is not compared with itself).
    CDlgAddSectionGroup(const tarnui::TreeControl* tree, bool rangeAllowed, bool severalAllowed,
                        bool overlayAllowed, bool partialAllowed, IBraeValueConversion* conversion,
                        tarnui::Window* parent = nullptr);

    void SetMode(int mode, tarnui::TreeItem editedGroup = 0) {
        mode_ = mode;
        editedGroup_ = editedGroup;
    }
    int Mode() const { return mode_; }
    std::string address = "0";
    std::string sections;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // 14 when another group starts at the same address (only without ranges and lists).
    int DuplicateAddressTest(const std::string& text) const;
    void Refuse(int error, int control);

    const tarnui::TreeControl* tree_;
    int mode_ = kGroupDialogAdd;
    tarnui::TreeItem editedGroup_ = 0;
    bool rangeAllowed_;
    bool severalAllowed_;
    bool overlayAllowed_;
    bool partialAllowed_;
    IBraeValueConversion* conversion_;
};
