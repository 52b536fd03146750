#include "host/cli/session/FilterDialogAnswer.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "platform/backend/HeadlessScript.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/DialogIds.h"
#include "src/resources/ResourceIds.h"

namespace tarncli::session {
namespace {

struct FilterColumn {
    const char* option;              // the word before "="
    const char* caption;             // the entry of the dialog's column list
    std::vector<std::string> items;  // the check list's items; empty for a text column
};

const std::vector<FilterColumn>& Columns() {
    static const std::vector<FilterColumn> columns = {
        {"attribute", "Attribute", {"Function", "Data", "Entry", "None"}},
        {"scope", "Scope", {"Global", "Local"}},
        {"section", "Section", {}},
        {"file", "File", {}},
    };
    return columns;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> words;
    std::stringstream in(text);
    std::string word;
    while (std::getline(in, word, ',')) {
        words.push_back(word);
    }
    return words;
}

const FilterColumn* ColumnOf(const std::string& text, std::string* value) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return nullptr;
    }
    *value = text.substr(equals + 1);
    const std::string name = text.substr(0, equals);
    for (const FilterColumn& column : Columns()) {
        if (name == column.option) {
            return &column;
        }
    }
    return nullptr;
}

}  // namespace

bool ParseFilterOption(const std::string& option, std::string* error) {
    std::string value;
    const FilterColumn* column = ColumnOf(option, &value);
    if (column == nullptr) {
        *error = "--filter takes attribute=, scope=, section= or file= with a value, not \"" +
                 option + "\"";
        return false;
    }
    for (const std::string& word :
         column->items.empty() ? std::vector<std::string>{} : SplitCommas(value)) {
        if (std::find(column->items.begin(), column->items.end(), word) == column->items.end()) {
            std::string known;
            for (const std::string& item : column->items) {
                known += (known.empty() ? "" : ", ") + item;
            }
            *error = "--filter " + std::string(column->option) + " has no item \"" + word +
                     "\"; choose from " + known;
            return false;
        }
    }
    return true;
}

void QueueFilterDialog(tarnui::HeadlessScript& script, const std::string& option) {
    std::string value;
    const FilterColumn* column = ColumnOf(option, &value);
    if (column == nullptr) {
        return;
    }
    tarnui::DialogScript& dialog = script.Dialog(tarnres::kDlgFilterSymbol);
    dialog.Check(tarnres::kCtlFilterEnable, true);
    dialog.SetText(tarnres::kCtlFilterColumn, column->caption);
    if (column->items.empty()) {
        dialog.SetText(tarnres::kCtlFilterItemEdit, value);
    } else {
        const std::vector<std::string> wanted = SplitCommas(value);
        dialog.Do("check exactly " + value, [wanted](tarnui::Dialog& d) {
            auto* list =
                dynamic_cast<tarnui::CheckListBox*>(d.GetDlgItem(tarnres::kCtlFilterItemList));
            if (list == nullptr) {
                return false;
            }
            for (int i = 0; i < list->GetCount(); ++i) {
                const bool on =
                    std::find(wanted.begin(), wanted.end(), list->GetText(i)) != wanted.end();
                if ((list->GetCheck(i) != 0) != on && !list->ToggleCheck(i)) {
                    return false;
                }
            }
            return true;
        });
    }
    dialog.Press(tarnui::IDOK);
}

}  // namespace tarncli::session
