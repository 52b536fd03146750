// Everything a person answers or looks at goes through the Backend: message boxes, modal
// dialogs, popup menus, the print dialog and printer output, help, beeps and windows being
// shown or hidden. The platform keeps all state and logic; a backend only renders and
// brings input back through the public operations of dialogs and controls.
//
// One backend is current per process; without one being set, a HeadlessBackend that
// answers every question with its default is used.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/help/Help.h"
#include "platform/printing/DeviceSettings.h"

namespace tarnui {

class Dialog;
class Window;
class PrintJob;
struct MessageBoxRequest;
struct PopupMenuRequest;

class Backend {
public:
    virtual ~Backend() = default;

    // Returns the identifier of the button pressed.
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Lets the person work the dialog through its public operations (set control values,
    // press buttons) until it ends (dialog.IsEnded()). Returning earlier cancels it.
    virtual void RunModalDialog(Dialog& dialog) = 0;
    // Returns the command chosen, 0 when the menu was dismissed.
    virtual int TrackPopupMenu(const PopupMenuRequest& request) = 0;
    // Returns the choice, or nothing when the person cancelled.
    virtual std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request) = 0;
    // A sink for one document on the chosen printer; null when the printer cannot print.
    virtual std::unique_ptr<PrintJob> StartPrintJob(const DeviceSettings& settings,
                                                    const std::string& documentName) = 0;
    // Returns whether help could be shown.
    virtual bool ShowHelp(const HelpRequest& request) = 0;
    virtual void Beep() = 0;
    // A created window became visible or hidden.
    virtual void WindowShown(Window& window, bool shown) = 0;
    // A window is being destroyed; a rendering backend forgets it.
    virtual void WindowDestroyed(Window& /*window*/) {}
};

Backend& CurrentBackend();
// Null restores the default headless backend. Returns the previous one.
Backend* SetCurrentBackend(Backend* backend);

// Makes a backend current for a scope.
class ScopedBackend {
public:
    explicit ScopedBackend(Backend& backend) : previous_(SetCurrentBackend(&backend)) {}
    ~ScopedBackend() { SetCurrentBackend(previous_); }
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

private:
    Backend* previous_;
};

}  // namespace tarnui
