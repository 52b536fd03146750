#include "src/views/CDlgFindSymbol.h"

#include <algorithm>

#include "platform/controls/ComboBox.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"
#include "src/resources/ResourceIds.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

namespace {
constexpr std::string_view kRefusedCharacters = "+-/%<>&|!^()\"'=";
}  // namespace

CDlgFindSymbol::CDlgFindSymbol(CTarnMapSymbolListInstanceCtrl& view,
                               std::vector<std::string>& history, tarnui::Window* parent)
    : CDlgWithHelp(tarnres::kDlgFindSymbol, parent), view_(view), history_(history) {}

bool CDlgFindSymbol::IsRefusedCharacter(char c) {
    return kRefusedCharacters.find(c) != std::string_view::npos;
}

bool CDlgFindSymbol::HasRefusedCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsRefusedCharacter);
}

bool CDlgFindSymbol::OnInitDialog() {
    const bool result = CDlgWithHelp::OnInitDialog();
    if (auto* name = GetControlAs<tarnui::ComboBox>(tarnres::kCtlFindName)) {
        for (const std::string& entry : history_) {
            name->AddString(entry);
        }
        if (!history_.empty()) {
            name->SetCurSel(0);
        }
        // An edit that would bring in a refused character is undone (with a beep).
        name->SetFilter([](std::string_view, const std::string& proposed) {
            return !HasRefusedCharacter(proposed);
        });
    }
    CheckDlgButton(tarnres::kCtlFindMatchCase, 0);
    CheckDlgButton(tarnres::kCtlFindWildCard, 0);
    return result;
}

void CDlgFindSymbol::OnOK() {
    const bool matchCase = IsDlgButtonChecked(tarnres::kCtlFindMatchCase) != 0;
    const bool wildCard = IsDlgButtonChecked(tarnres::kCtlFindWildCard) != 0;
    const std::string text = GetDlgItemText(tarnres::kCtlFindName);
    if (text.empty()) {
        tarnui::MessageBox(this, tarnui::LoadString(tarnres::kStrEnterSymbolName));
        return;
    }
    if (!view_.Search(text, -1, +1, matchCase, wildCard)) {
        tarnui::MessageBox(this, tarnui::LoadString(tarnres::kStrSymbolNotFound));
        return;
    }
    view_.RememberFound(text);
    EndDialog(tarnui::IDOK);
}
