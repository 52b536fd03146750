// Everything a person answers or looks at goes through the Backend: message boxes, modal
// dialogs, popup menus, the print dialog and printer output, help, beeps and windows being
// shown or hidden. The platform keeps all state and logic; a backend only renders and
// brings input back through the public operations of dialogs and controls.
//
// One backend is current per process; without one being set, a HeadlessBackend that
// answers every question with its default is used.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/Font.h"
#include "platform/help/Help.h"
#include "platform/printing/DeviceSettings.h"

namespace tarnui {

class Dialog;
class Window;
struct Cursor;
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
    // What changed in a window or control (Changes.h bits); its Revision() has advanced.
    virtual void WindowChanged(Window& /*window*/, uint32_t /*changes*/) {}
    // The mouse cursor to show changed (Cursor.h): the arrow, or a resource's image with its
    // hot spot.
    virtual void CursorChanged(const Cursor& /*cursor*/) {}

    // The main loop. Messages were posted to an empty queue: the backend calls
    // Window::PumpMessages from its event loop soon. A timer was set (or set again with a
    // new interval) or killed: the backend calls window.FireTimer(timerId) every interval
    // while it is set. The headless backend does neither; tests pump and fire by hand.
    virtual void MessagesPosted() {}
    virtual void TimerSet(Window& /*window*/, int /*timerId*/, unsigned /*intervalMs*/) {}
    virtual void TimerKilled(Window& /*window*/, int /*timerId*/) {}

    // Text metrics of the screen fonts, when the backend draws with fonts of its own; false
    // keeps the fixed-cell measurement (Font.h), which the headless backend and printers use.
    virtual bool MeasureFont(const Font& /*font*/, TextMetrics& /*metrics*/) { return false; }
    virtual bool MeasureText(const Font& /*font*/, std::string_view /*text*/, int& /*width*/) {
        return false;
    }
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
