// The "Select Map Window Type" dialog of the "Map..." command: a drop-down list of the captions
// of the Map window types that are not open; OK gives the index chosen.
#pragma once

#include <string>
#include <vector>

#include "src/shell/framework/CDlgWithHelp.h"

class CDlgSelectMapType : public CDlgWithHelp {
public:
    explicit CDlgSelectMapType(tarnui::Window* parent = nullptr);

    void AddName(std::string name) { names_.push_back(std::move(name)); }
    const std::vector<std::string>& Names() const { return names_; }
    // The item selected when the dialog opens (0 when past the end); after OK, the item chosen
    // (-1 when nothing was).
    void SetSelectedIndex(int index) { selectedIndex_ = index; }
    int SelectedIndex() const { return selectedIndex_; }
    // The name of the chosen item; "" when nothing was chosen.
    std::string SelectedName() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<std::string> names_;
    int selectedIndex_ = 0;
};
