#include "src/shell/CDlgSelectMapType.h"

#include "platform/controls/ComboBox.h"
#include "src/resources/ResourceIds.h"

CDlgSelectMapType::CDlgSelectMapType(tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgSelectMapType, parent) {}

std::string CDlgSelectMapType::SelectedName() const {
    if (selectedIndex_ < 0 || selectedIndex_ >= static_cast<int>(names_.size())) {
        return {};
    }
    return names_[static_cast<size_t>(selectedIndex_)];
}

bool CDlgSelectMapType::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    auto* list = GetControlAs<tarnui::ComboBox>(tarnres::kCtlMapType);
    if (list == nullptr) {
        return result;
    }
    for (const std::string& name : names_) {
        list->AddString(name);
    }
    if (selectedIndex_ >= static_cast<int>(names_.size())) {
        selectedIndex_ = 0;
    }
    list->SetCurSel(selectedIndex_);
    return result;
}

void CDlgSelectMapType::OnOK() {
    if (auto* list = GetControlAs<tarnui::ComboBox>(tarnres::kCtlMapType)) {
        selectedIndex_ = list->GetCurSel();
    }
    CDlgWithHelp::OnOK();
}
