#include "src/views/CDlgFilterSymbol.h"

#include <array>

#include "platform/controls/ComboBox.h"
#include "platform/controls/ListBox.h"
#include "src/resources/ResourceIds.h"

namespace {

constexpr std::array<const char*, 4> kColumnNames = {"Attribute", "Scope", "Section", "File"};
constexpr std::array<int, 2> kEditPageControls = {tarnres::kCtlFilterItemLabel,
                                                  tarnres::kCtlFilterItemEdit};
constexpr std::array<int, 4> kCheckPageControls = {
    tarnres::kCtlFilterItemGroup, tarnres::kCtlFilterItemList, tarnres::kCtlFilterSetAll,
    tarnres::kCtlFilterClearAll};
constexpr std::array<int, 8> kFilterControls = {
    tarnres::kCtlFilterColumnLabel, tarnres::kCtlFilterColumn,    tarnres::kCtlFilterItemLabel,
    tarnres::kCtlFilterItemEdit,    tarnres::kCtlFilterItemGroup, tarnres::kCtlFilterSetAll,
    tarnres::kCtlFilterClearAll,    tarnres::kCtlFilterItemList};

std::string TrimWhiteSpace(const std::string& text) {
    constexpr const char* kWhiteSpace = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

}  // namespace

CDlgFilterSymbol::CDlgFilterSymbol(FilterItems& attributes, FilterItems& scopes,
                                   std::string sectionFilter, std::string fileFilter, bool enabled,
                                   tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgFilterSymbol, parent),
      attributes_(attributes),
      scopes_(scopes),
      savedAttributes_(CopyFilterItems(attributes)),
      savedScopes_(CopyFilterItems(scopes)),
      sectionFilter_(std::move(sectionFilter)),
      fileFilter_(std::move(fileFilter)),
      enabled_(enabled) {
    OnNotification(tarnres::kCtlFilterColumn, tarnui::kNotifySelChange,
                   [this](const tarnui::Notification& n) {
                       CommitPage();
                       ShowPage(static_cast<int>(n.payload));
                   });
    OnNotification(tarnres::kCtlFilterEnable, tarnui::kNotifyClicked,
                   [this](const tarnui::Notification&) { UpdateEnables(); });
    OnNotification(tarnres::kCtlFilterSetAll, tarnui::kNotifyClicked,
                   [this](const tarnui::Notification&) { SetAllChecks(1); });
    OnNotification(tarnres::kCtlFilterClearAll, tarnui::kNotifyClicked,
                   [this](const tarnui::Notification&) { SetAllChecks(0); });
}

bool CDlgFilterSymbol::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    if (auto* columns = GetControlAs<tarnui::ComboBox>(tarnres::kCtlFilterColumn)) {
        for (const char* name : kColumnNames) {
            columns->AddString(name);
        }
        columns->SetCurSel(kPageAttribute);
    }
    ShowPage(kPageAttribute);
    CheckDlgButton(tarnres::kCtlFilterEnable, enabled_ ? 1 : 0);
    UpdateEnables();
    return result;
}

void CDlgFilterSymbol::FillCheckList(const FilterItems& items) {
    auto* list = GetControlAs<tarnui::CheckListBox>(tarnres::kCtlFilterItemList);
    if (list == nullptr) {
        return;
    }
    list->ResetContent();
    for (const auto& item : items) {
        const int index = list->AddString(item->name);
        list->SetCheck(index, item->checked != 0 ? 1 : 0);
    }
}

void CDlgFilterSymbol::ShowPage(int page) {
    if (page < kPageAttribute || page > kPageFile) {
        return;
    }
    page_ = page;
    const bool checkPage = page == kPageAttribute || page == kPageScope;
    if (checkPage) {
        FillCheckList(PageItems(page));
    } else {
        editText_ = page == kPageSection ? sectionFilter_ : fileFilter_;
        SetDlgItemText(tarnres::kCtlFilterItemEdit, editText_);
    }
    for (int id : kCheckPageControls) {
        ShowDlgItem(id, checkPage);
    }
    for (int id : kEditPageControls) {
        ShowDlgItem(id, !checkPage);
    }
}

void CDlgFilterSymbol::CommitPage() {
    if (page_ == kPageAttribute || page_ == kPageScope) {
        auto* list = GetControlAs<tarnui::CheckListBox>(tarnres::kCtlFilterItemList);
        FilterItems& items = PageItems(page_);
        for (size_t i = 0; list != nullptr && i < items.size(); ++i) {
            items[i]->checked = list->GetCheck(static_cast<int>(i)) != 0 ? 1 : 0;
        }
        return;
    }
    editText_ = TrimWhiteSpace(GetDlgItemText(tarnres::kCtlFilterItemEdit));
    (page_ == kPageSection ? sectionFilter_ : fileFilter_) = editText_;
}

void CDlgFilterSymbol::SetAllChecks(int state) {
    auto* list = GetControlAs<tarnui::CheckListBox>(tarnres::kCtlFilterItemList);
    for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
        list->SetCheck(i, state);
    }
}

void CDlgFilterSymbol::UpdateEnables() {
    const bool on = IsDlgButtonChecked(tarnres::kCtlFilterEnable) != 0;
    for (int id : kFilterControls) {
        EnableDlgItem(id, on);
    }
}

void CDlgFilterSymbol::OnOK() {
    CommitPage();
    enabled_ = IsDlgButtonChecked(tarnres::kCtlFilterEnable) != 0;
    EndDialog(tarnui::IDOK);
}

void CDlgFilterSymbol::OnCancel() {
    RestoreItems();
    CDlgWithHelp::OnCancel();
}

void CDlgFilterSymbol::RestoreItems() {
    attributes_ = CopyFilterItems(savedAttributes_);
    scopes_ = CopyFilterItems(savedScopes_);
}
