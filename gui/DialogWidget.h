// A platform dialog shown as a QDialog: one widget per control at the control's pixel
// rectangle. What a person does goes through the controls' input operations (typing through
// the edit's limit and filter, clicks, choices, keys), and each widget follows its control's
// state; the dialog closes when the platform dialog has ended.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "gui/QtBackend.h"
#include "platform/dialogs/Dialog.h"

namespace tarngui {

class ControlBinding;

class DialogWidget : public QDialog {
public:
    DialogWidget(QtBackend& backend, tarnui::Dialog& dialog, QWidget* parent);
    ~DialogWidget() override;

    // After every input: closes the window once the platform dialog has ended.
    void AfterInput();
    // Whether the widget of the control is being set from the control right now.
    bool Updating(const tarnui::Control& control) const;

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtBackend& backend_;
    tarnui::Dialog& dialog_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
};

}  // namespace tarngui
