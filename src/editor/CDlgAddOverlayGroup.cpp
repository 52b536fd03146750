#include "src/editor/CDlgAddOverlayGroup.h"

#include <vector>

#include "platform/controls/ListBox.h"
#include "src/editor/CheckMessage.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionListCheck.h"
#include "src/resources/ResourceIds.h"

using tarnres::kCtlOverlayGroupName;
using tarnres::kCtlOverlaySectionList;

CDlgAddOverlayGroup::CDlgAddOverlayGroup(const tarnui::TreeControl* tree, tarnui::TreeItem selected,
                                         bool overlayAllowed, bool partialAllowed,
                                         tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgAddOverlayGroup, parent),
      tree_(tree),
      selected_(selected),
      overlayAllowed_(overlayAllowed),
      partialAllowed_(partialAllowed) {}

bool CDlgAddOverlayGroup::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    auto* list = GetControlAs<tarnui::ListBox>(kCtlOverlaySectionList);
    if (list == nullptr || tree_ == nullptr) {
        return result;
    }
    const std::string text = tree_->GetItemText(selected_);
    const std::string parentText = tree_->GetItemText(tree_->GetParentItem(selected_));
    const tarnui::TreeItem firstChild = tree_->GetChildItem(selected_);
    if (firstChild != 0 && HasTopLevelOverlay(text) == 0 && HasTopLevelOverlay(parentText) == 0 &&
        partialAllowed_) {
        for (tarnui::TreeItem child = firstChild; child != 0;
             child = tree_->GetNextSiblingItem(child)) {
            list->AddString(tree_->GetItemText(child));
        }
    } else {
        list->AddString(text);
    }
    list->SetSel(0, true);
    return result;
}

int CDlgAddOverlayGroup::TakeSelection() {
    auto* list = GetControlAs<tarnui::ListBox>(kCtlOverlaySectionList);
    const std::vector<int> chosen = list != nullptr ? list->GetSelItems() : std::vector<int>{};
    if (chosen.empty()) {
        return -1;
    }
    std::string joined;
    for (size_t i = 0; i < chosen.size(); ++i) {
        if (i > 0 && chosen[i] != chosen[i - 1] + 1) {
            return kCheckInvalidSelection;
        }
        const std::string entry = list->GetText(chosen[i]);
        if (chosen.size() > 1 && HasTopLevelOverlay(entry) != 0) {
            return kCheckOverlayNests;
        }
        joined += (i > 0 ? "," : "") + entry;
    }
    selection = joined;
    firstIndex = chosen.front();
    count = static_cast<int>(chosen.size());
    const tarnui::TreeItem firstChild = tree_->GetChildItem(selected_);
    if (firstChild != 0 && selection == tree_->GetItemText(selected_)) {
        firstIndex = 0;
        count = 0;
        for (tarnui::TreeItem child = firstChild; child != 0;
             child = tree_->GetNextSiblingItem(child)) {
            ++count;
        }
    }
    return kCheckSuccess;
}

void CDlgAddOverlayGroup::OnOK() {
    std::string typed = GetDlgItemText(kCtlOverlayGroupName);
    if (typed.empty()) {
        GotoDlgCtrl(kCtlOverlayGroupName);
        return;
    }
    const int taken = TakeSelection();
    if (taken != kCheckSuccess) {
        if (taken > 0) {
            ShowCheckMessage(taken);
        }
        GotoDlgCtrl(kCtlOverlaySectionList);
        return;
    }
    NormalizeSectionText(typed);
    int error = CheckSectionList(typed, overlayAllowed_, partialAllowed_, false);
    if (error == kCheckSuccess && typed.find(':') != std::string::npos) {
        error = kCheckOverlayNests;
    }
    if (error != kCheckSuccess) {
        ShowCheckMessage(error);
        GotoDlgCtrl(kCtlOverlayGroupName);
        return;
    }
    overlayGroup = std::move(typed);
    EndDialog(tarnui::IDOK);
}
