// The answers a headless backend gives, queued in advance by a test or a command line:
//
//   script.MessageBox(IDYES);
//   script.Dialog(217).SetText(218, "main").Press(IDOK);
//   script.PopupMenu(32812);
//   script.PrintDialog(true);
//
// Each kind of question has its own queue, answered first in, first out. A dialog takes
// the first queued dialog script with its template number (or with number 0, "any").
// Dialog steps act through the controls' user-input operations, exactly as a person would,
// so a step on a disabled or hidden control is refused.
#pragma once

#include <functional>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "platform/printing/DeviceSettings.h"

namespace tarnui {

class Dialog;

class DialogScript {
public:
    struct Step {
        std::string description;
        std::function<bool(Dialog&)> run;  // false: the step could not be done
    };

    explicit DialogScript(int templateId) : templateId_(templateId) {}
    int TemplateId() const { return templateId_; }
    const std::vector<Step>& Steps() const { return steps_; }

    // Replaces the text of an edit or editable combo box by typing it (filters apply); on a
    // drop-down list chooses the item with that text.
    DialogScript& SetText(int id, std::string text);
    // Types at the caret, keeping what is there.
    DialogScript& Type(int id, std::string text);
    // Clicks the check box when its state differs from `on`.
    DialogScript& Check(int id, bool on = true);
    // Picks item `index` of a combo box or clicks it in a list box.
    DialogScript& Choose(int id, int index);
    // Picks the item with this text (ignoring case) of a combo box or list box.
    DialogScript& ChooseText(int id, std::string text);
    // Multiple-selection list box: exactly these items selected (click, then Ctrl+click).
    DialogScript& SelectItems(int id, std::vector<int> indices);
    // Check list box: toggles item `index` when its check differs from `on`.
    DialogScript& CheckItem(int id, int index, bool on = true);
    DialogScript& Press(int id);
    DialogScript& Enter();
    DialogScript& Escape();
    DialogScript& Focus(int id);
    // Presses a key (Keys.h) where the focus is; refused when no window handles it.
    DialogScript& Key(uint32_t key, unsigned modifiers = 0);
    // Anything else a person can do, written as code against the dialog's public API.
    DialogScript& Do(std::string description, std::function<bool(Dialog&)> action);

private:
    DialogScript& Add(std::string description, std::function<bool(Dialog&)> run);
    int templateId_;
    std::vector<Step> steps_;
};

class HeadlessScript {
public:
    HeadlessScript& MessageBox(int answer);
    DialogScript& Dialog(int templateId);
    HeadlessScript& PopupMenu(int command);  // 0: dismiss the menu
    HeadlessScript& PrintDialog(bool accept, DeviceSettings settings = HeadlessPrinter());
    HeadlessScript& Help(bool opens);

    bool Empty() const;
    void Clear();

    // A plain A4 printer at 300 dots per inch.
    static DeviceSettings HeadlessPrinter();

    // Taken by the backend.
    std::optional<int> TakeMessageBox();
    std::optional<DialogScript> TakeDialog(int templateId);
    std::optional<int> TakePopupMenu();
    std::optional<std::optional<DeviceSettings>> TakePrintDialog();
    std::optional<bool> TakeHelp();

private:
    std::list<int> messageBoxes_;
    std::list<DialogScript> dialogs_;
    std::list<int> popupMenus_;
    std::list<std::optional<DeviceSettings>> printDialogs_;
    std::list<bool> help_;
};

}  // namespace tarnui
