#include "src/views/CDlgSelectPrint.h"

#include "platform/controls/ComboBox.h"
#include "src/resources/ResourceIds.h"

CDlgSelectPrint::CDlgSelectPrint(tarnui::Window* parent)
    : Dialog(tarnres::kDlgSelectPrint, parent) {}

bool CDlgSelectPrint::OnInitDialog() {
    const bool result = Dialog::OnInitDialog();
    auto* box = GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType);
    if (box == nullptr) {
        return result;
    }
    for (const std::string& caption : captions) {
        box->AddString(caption);
    }
    if (selectedIndex < 0 || selectedIndex >= static_cast<int32_t>(captions.size())) {
        selectedIndex = 0;
    }
    box->SetCurSel(selectedIndex);
    return result;
}

void CDlgSelectPrint::OnOK() {
    const auto* box = GetControlAs<tarnui::ComboBox>(tarnres::kCtlPrintWindowType);
    selectedIndex = box != nullptr ? box->GetCurSel() : -1;
    selectedCaption = box != nullptr ? box->GetLBText(selectedIndex) : std::string();
    EndDialog(tarnui::IDOK);
}
