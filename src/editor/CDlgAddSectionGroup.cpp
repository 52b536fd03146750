#include "src/editor/CDlgAddSectionGroup.h"

#include <cstdlib>

#include "platform/resources/ResourceContext.h"
#include "src/editor/AddressListCheck.h"
#include "src/editor/CheckMessage.h"
#include "src/editor/CheckText.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionListCheck.h"
#include "src/resources/ResourceIds.h"

using namespace tarnres;

CDlgAddSectionGroup::CDlgAddSectionGroup(const tarnui::TreeControl* tree, bool rangeAllowed,
                                         bool severalAllowed, bool overlayAllowed,
                                         bool partialAllowed, IBraeValueConversion* conversion,
                                         tarnui::Window* parent)
    : CDlgWithHelp(kDlgAddSectionGroup, parent),
      tree_(tree),
      rangeAllowed_(rangeAllowed),
      severalAllowed_(severalAllowed),
      overlayAllowed_(overlayAllowed),
      partialAllowed_(partialAllowed),
      conversion_(conversion) {}

bool CDlgAddSectionGroup::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    SetDlgItemText(kCtlSectionStartAddress, address);
    SetDlgItemText(kCtlSectionGroupName, sections);
    if (mode_ != kGroupDialogAdd) {
        SetWindowText(tarnui::LoadString(kStrEditSelectedItem));
    }
    const bool addressOpen = mode_ != kGroupDialogEditSections;
    const bool sectionsOpen = mode_ != kGroupDialogEditAddress;
    EnableDlgItem(kCtlSectionStartAddressLabel, addressOpen);
    EnableDlgItem(kCtlSectionStartAddress, addressOpen);
    EnableDlgItem(kCtlSectionGroupNameLabel, sectionsOpen);
    EnableDlgItem(kCtlSectionGroupName, sectionsOpen);
    return result;
}

int CDlgAddSectionGroup::DuplicateAddressTest(const std::string& text) const {
    if (rangeAllowed_ || severalAllowed_ || tree_ == nullptr) {
        return kCheckSuccess;
    }
    const unsigned long typed = std::strtoul(text.c_str(), nullptr, 16);
    for (tarnui::TreeItem group = tree_->GetChildItem(tree_->GetRootItem()); group != 0;
         group = tree_->GetNextSiblingItem(group)) {
        if (mode_ == kGroupDialogEditAddress && group == editedGroup_) {
            continue;
        }
        if (std::strtoul(tree_->GetItemText(group).c_str(), nullptr, 16) == typed) {
            return kCheckAddressExists;
        }
    }
    return kCheckSuccess;
}

void CDlgAddSectionGroup::Refuse(int error, int control) {
    if (error != kCheckSuccess) {
        ShowCheckMessage(error);
    }
    GotoDlgCtrl(control);
}

void CDlgAddSectionGroup::OnOK() {
    std::string typedAddress(checktext::TrimWhiteSpace(GetDlgItemText(kCtlSectionStartAddress)));
    std::string typedSections(checktext::TrimWhiteSpace(GetDlgItemText(kCtlSectionGroupName)));
    if (typedAddress.empty()) {
        return Refuse(kCheckSuccess, kCtlSectionStartAddress);
    }
    if (mode_ != kGroupDialogEditSections) {
        int error = CheckAddressList(typedAddress, rangeAllowed_, severalAllowed_, conversion_);
        if (error == kCheckSuccess) {
            error = DuplicateAddressTest(typedAddress);
        }
        if (error != kCheckSuccess) {
            return Refuse(error, kCtlSectionStartAddress);
        }
        NormalizeAddressList(typedAddress, rangeAllowed_, severalAllowed_, conversion_);
    }
    if (typedSections.empty()) {
        return Refuse(kCheckSuccess, kCtlSectionGroupName);
    }
    if (mode_ != kGroupDialogEditAddress) {
        NormalizeSectionText(typedSections);
        if (const int error =
                CheckSectionList(typedSections, overlayAllowed_, partialAllowed_, true)) {
            return Refuse(error, kCtlSectionGroupName);
        }
    }
    address = std::move(typedAddress);
    sections = std::move(typedSections);
    EndDialog(tarnui::IDOK);
}
