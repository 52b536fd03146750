#include "src/editor/CDlgAddSection.h"

#include "platform/resources/ResourceContext.h"
#include "src/editor/CheckMessage.h"
#include "src/editor/SectionListCheck.h"
#include "src/resources/ResourceIds.h"

CDlgAddSection::CDlgAddSection(bool colonAllowed, int mode, bool overlayAllowed,
                               bool partialAllowed, tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgAddSection, parent),
      colonAllowed_(colonAllowed),
      mode_(mode),
      overlayAllowed_(overlayAllowed),
      partialAllowed_(partialAllowed) {}

bool CDlgAddSection::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    SetDlgItemText(tarnres::kCtlSectionName, section);
    if (mode_ == kSectionDialogEdit) {
        SetWindowText(tarnui::LoadString(tarnres::kStrEditSelectedItem));
    }
    return result;
}

void CDlgAddSection::OnOK() {
    std::string typed = GetDlgItemText(tarnres::kCtlSectionName);
    if (typed.empty()) {
        GotoDlgCtrl(tarnres::kCtlSectionName);
        return;
    }
    NormalizeSectionText(typed);
    if (const int error =
            CheckSectionList(typed, overlayAllowed_, partialAllowed_, colonAllowed_)) {
        ShowCheckMessage(error);
        GotoDlgCtrl(tarnres::kCtlSectionName);
        return;
    }
    section = std::move(typed);
    EndDialog(tarnui::IDOK);
}
