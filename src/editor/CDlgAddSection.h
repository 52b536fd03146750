// "Add Section": one section, or a list or partial overlay, to insert at the selected node;
// in mode 8 it edits the selected part.
#pragma once

#include <string>

#include "src/shell/framework/CDlgWithHelp.h"

enum SectionDialogMode : int {
    kSectionDialogAdd = 2,
    kSectionDialogEdit = 8,
};

class CDlgAddSection : public CDlgWithHelp {
public:
    // colonAllowed: whether the place may take an overlay (":").
    CDlgAddSection(bool colonAllowed, int mode, bool overlayAllowed, bool partialAllowed,
                   tarnui::Window* parent = nullptr);

    std::string section;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool colonAllowed_;
    int mode_;
    bool overlayAllowed_;
    bool partialAllowed_;
};
