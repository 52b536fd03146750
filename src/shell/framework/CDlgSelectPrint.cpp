#include "src/shell/framework/CDlgSelectPrint.h"

#include "platform/controls/ComboBox.h"
#include "src/resources/ResourceIds.h"

CDlgSelectPrint::CDlgSelectPrint(tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgSelectPrint, parent) {}

bool CDlgSelectPrint::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    auto* list = GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType);
    if (list == nullptr) {
        return result;
    }
    for (const std::string& caption : captions_) {
        list->AddString(caption);
    }
    if (selectedIndex_ >= static_cast<int>(captions_.size())) {
        selectedIndex_ = 0;
    }
    list->SetCurSel(selectedIndex_);
    return result;
}

void CDlgSelectPrint::OnOK() {
    if (auto* list = GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType)) {
        selectedIndex_ = list->GetCurSel();
        // Nothing chosen (an empty list) leaves the caption empty.
        selectedCaption_ =
            selectedIndex_ >= 0 && selectedIndex_ < static_cast<int>(captions_.size())
                ? captions_[static_cast<size_t>(selectedIndex_)]
                : std::string{};
    }
    CDlgWithHelp::OnOK();
}
