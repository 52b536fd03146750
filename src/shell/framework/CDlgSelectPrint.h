// The print selection dialog: a drop-down list of the captions of the views that can print;
// OK gives the caption chosen.
#pragma once

#include <string>
#include <vector>

#include "src/shell/framework/CDlgWithHelp.h"

class CDlgSelectPrint : public CDlgWithHelp {
public:
    explicit CDlgSelectPrint(tarnui::Window* parent = nullptr);

    void AddCaption(std::string caption) { captions_.push_back(std::move(caption)); }
    const std::vector<std::string>& Captions() const { return captions_; }
    // The item selected when the dialog opens (0 when it is not below the number of captions);
    // after OK, the item chosen.
    void SetSelectedIndex(int index) { selectedIndex_ = index; }
    int SelectedIndex() const { return selectedIndex_; }
    // "" until OK, and after OK with nothing chosen.
    const std::string& SelectedCaption() const { return selectedCaption_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<std::string> captions_;
    int selectedIndex_ = 0;
    std::string selectedCaption_;
};
