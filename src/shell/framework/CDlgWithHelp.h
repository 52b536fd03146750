// A dialog with context help: F1 on one of its controls opens the help popup of that control
// in the ".hlp" file beside the component's library, when there is one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs/Dialog.h"

class CDlgWithHelp : public tarnui::Dialog {
public:
    explicit CDlgWithHelp(int templateId, tarnui::Window* parent = nullptr);

    int TemplateNumber() const { return TemplateId(); }

    // F1 on the control: the help popup of its context; false when there is no help file or
    // no help opened.
    bool OnHelpForControl(int controlId);
    // F1 on the control that holds the focus.
    bool OnHelpKey();

    // The help context of a control of a dialog template.
    static uint32_t HelpContextOf(int templateId, int controlId);
    // The component library's file name with the extension ".hlp"; "" when it is unknown.
    std::string HelpFilePath() const;

protected:
    // F1 asks for help on the focused control.
    bool OnKeyDown(const tarnui::KeyEvent& key) override;
    // The full file name of the component's own library.
    virtual std::string ComponentFileName() const;
};
