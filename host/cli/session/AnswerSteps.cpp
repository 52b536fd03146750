// Answers queued for the next question: "answer BUTTON" for a message box, and "dialog ID
// ACTION ..." for a dialog, acting on its controls as a person would once it opens.
#include <algorithm>

#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/SessionBackend.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/Dialog.h"

namespace tarncli::session {
namespace {

// A decimal number above 0, or 0.
int Number(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::stoi(text);
}

bool OnOff(const StepArguments& args, size_t at, bool* on, std::string* error) {
    *on = true;
    if (args.size() <= at) {
        return true;
    }
    if (args[at] != "on" && args[at] != "off") {
        *error = "a check is \"on\" or \"off\", not \"" + args[at] + "\"";
        return false;
    }
    *on = args[at] == "on";
    return true;
}

// Checks or clears the check list box item of that text.
bool CheckItemNamed(tarnui::Dialog& dialog, int control, const std::string& item, bool on) {
    auto* list = dynamic_cast<tarnui::CheckListBox*>(dialog.GetDlgItem(control));
    if (list == nullptr) {
        return false;
    }
    for (int i = 0; i < list->GetCount(); ++i) {
        if (list->GetText(i) == item) {
            return (list->GetCheck(i) != 0) == on || list->ToggleCheck(i);
        }
    }
    return false;
}

std::string Dialog(ScriptContext& context, const StepArguments& args) {
    const int templateId = Number(args[0]);
    const int control = args.size() > 2 ? Number(args[2]) : 0;
    if (templateId == 0) {
        return "a dialog is named by its number, not \"" + args[0] + "\"";
    }
    const std::string& action = args[1];
    tarnui::DialogScript& answers = context.DialogAnswers(templateId);
    std::string error;
    bool on = true;
    if (action == "press") {
        const int button = args.size() == 3 ? ButtonId(args[2]) : 0;
        if (button == 0) {
            return "press needs a button: OK, Cancel, Yes, No or a control number";
        }
        answers.Press(button);
        return {};
    }
    if (control == 0) {
        return action + " needs a control number, not \"" + (args.size() > 2 ? args[2] : "") + "\"";
    }
    if (action == "check" && args.size() <= 4) {
        if (!OnOff(args, 3, &on, &error)) {
            return error;
        }
        answers.Check(control, on);
        return {};
    }
    if (args.size() < 4) {
        return action + " needs a control and a text";
    }
    if (action == "set") {
        answers.SetText(control, args[3]);
    } else if (action == "type") {
        answers.Type(control, args[3]);
    } else if (action == "choose") {
        answers.ChooseText(control, args[3]);
    } else if (action == "select") {
        // A multiple-selection list box: exactly the items of these indices, e.g. "0,2".
        std::vector<int> indices;
        for (size_t at = 0; at < args[3].size();) {
            const size_t end = std::min(args[3].find(',', at), args[3].size());
            const std::string index = args[3].substr(at, end - at);
            if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos) {
                return "select needs item indices such as \"0,2\", not \"" + args[3] + "\"";
            }
            indices.push_back(std::stoi(index));
            at = end + 1;
        }
        answers.SelectItems(control, indices);
    } else if (action == "check-item") {
        if (!OnOff(args, 4, &on, &error)) {
            return error;
        }
        const std::string item = args[3];
        answers.Do("check item \"" + item + "\" of " + std::to_string(control),
                   [control, item, on](tarnui::Dialog& dialog) {
                       return CheckItemNamed(dialog, control, item, on);
                   });
    } else {
        return "no dialog action \"" + action + "\"; choose set, type, check, check-item, " +
               "choose, select or press";
    }
    return {};
}

}  // namespace

void AddAnswerSteps(ScriptStepTable& table) {
    table.Add({"answer", "BUTTON", 1, 1, true,
               [](ScriptContext& context, const StepArguments& args) -> std::string {
                   const int button = ButtonId(args[0]);
                   if (button == 0) {
                       return "no button \"" + args[0] + "\"; choose OK, Cancel, Yes, No, Abort, " +
                              "Retry or Ignore";
                   }
                   context.Backend().Script().MessageBox(button);
                   return {};
               }});
    table.Add({"dialog", "ID ACTION [CONTROL] [TEXT] [on|off]", 2, 5, true, &Dialog});
}

}  // namespace tarncli::session
