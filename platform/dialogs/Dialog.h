// Modal dialogs built from dialog templates. DoModal makes the dialog window and one
// control per template entry (in template order, which is the tab order), runs
// OnInitDialog, hands the dialog to the backend, which lets a person (or a script) work
// the controls until EndDialog, then destroys the window and returns the end code.
//
// Pressing a button tells the dialog: IDOK runs OnOK, IDCANCEL runs OnCancel, any other
// button its notification handler or, failing that, the dialog's command handler of the
// same identifier. OnOK and OnCancel may keep the dialog open by not calling EndDialog.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/dialogs/DialogIds.h"
#include "platform/resources/ResourceTable.h"
#include "platform/windows/Window.h"

namespace tarnui {

class DataExchange;

class Dialog : public Window {
public:
    // The template is looked up in the current resource context when DoModal runs.
    explicit Dialog(int templateId, Window* parent = nullptr);
    // A template given directly (dialogs built at run time, tests).
    explicit Dialog(DialogTemplate tmpl, Window* parent = nullptr);
    ~Dialog() override;

    // Returns the end code, or -1 when the template cannot be found or the dialog is
    // already running.
    int DoModal();
    void EndDialog(int code);

    int TemplateId() const { return templateId_; }
    bool IsRunning() const { return running_; }
    bool IsEnded() const { return ended_; }
    int EndCode() const { return endCode_; }
    Window* ParentWindow() const { return parentWindow_; }

    // Controls by identifier while the dialog runs; null when absent or of another class.
    Control* GetControl(int id) const;
    template <typename T>
    T* GetControlAs(int id) const {
        return dynamic_cast<T*>(GetControl(id));
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // Values by identifier (edits, combo boxes, statics, buttons: the text; check boxes:
    // the check state).
    bool SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    bool CheckDlgButton(int id, int state);
    int IsDlgButtonChecked(int id) const;
    bool EnableDlgItem(int id, bool enable);
    bool ShowDlgItem(int id, bool show);
    // Moves the focus to the control; an edit gets all its text selected.
    bool GotoDlgCtrl(int id);
    Control* GetFocusedControl() const;

    // Exchanges values between the controls and the dialog's members (DoDataExchange).
    // Saving stops at the first failure and leaves the focus on its control.
    bool UpdateData(bool saveAndValidate = true);

    // What a person does with the keyboard: Enter presses the default button (IDOK when
    // there is none), Escape cancels. Both refuse a disabled or hidden button.
    bool PressButton(int id);
    bool PressEnter();
    bool PressEscape();

protected:
    // Default: exchange data into the controls, return true (focus the first tab stop).
    virtual bool OnInitDialog();
    // Default: UpdateData(true), then EndDialog(IDOK) when it succeeded.
    virtual void OnOK();
    // Default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& /*dx*/) {}

    bool OnNotify(const Notification& n) override;
    // Enter and Escape as PressEnter and PressEscape; Tab and Shift+Tab move the focus along
    // the tab stops.
    bool OnKeyDown(const KeyEvent& key) override;

private:
    bool BuildControls(const DialogTemplate& tmpl);
    Rect DialogUnitsToPixels(int x, int y, int width, int height) const;
    bool MoveFocus(bool backwards);

    int templateId_ = 0;
    std::optional<DialogTemplate> ownTemplate_;
    Window* parentWindow_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    bool running_ = false;
    bool ended_ = false;
    int endCode_ = 0;
};

}  // namespace tarnui
