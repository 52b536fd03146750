// The platform's backend on Qt Widgets: message boxes, dialogs, popup menus, beeps, the main
// loop (posted messages and timers on Qt's event loop) and screen text metrics. It keeps no
// view or dialog logic: it renders the platform's state and hands a person's input back
// through the platform's input operations.
#pragma once

#include <QFont>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/backend/Backend.h"

class QWidget;

namespace tarngui {

// A widget that shows one platform window; told once per event-loop turn what changed.
class ChangeListener {
public:
    virtual ~ChangeListener() = default;
    virtual void WindowChanged(uint32_t changes) = 0;
    // The window is being destroyed: the listener lets go of it now.
    virtual void WindowGone() = 0;
};

// The Qt font a platform font is drawn with.
QFont ToQFont(const tarnui::Font& font);

class QtBackend : public tarnui::Backend {
public:
    QtBackend();
    ~QtBackend() override;

    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }
    void Listen(const tarnui::Window& window, ChangeListener* listener);
    void Forget(const tarnui::Window& window);
    // Runs once after each batch of changes, for the main window to follow panes and menus.
    void SetAfterChanges(std::function<void()> action) { afterChanges_ = std::move(action); }
    int Beeps() const { return beeps_; }
    // A key no platform window handled goes here (the host's accelerators).
    void SetUnhandledKey(std::function<bool(uint32_t key, unsigned modifiers)> handler) {
        unhandledKey_ = std::move(handler);
    }
    // Sends a person's key to the platform's focused window, then to the host.
    bool PressKey(uint32_t key, unsigned modifiers);
    // Answers the print dialog itself with a PDF file (scripted runs, tests); "" asks.
    void SetPrintToFile(std::string path) { printToFile_ = std::move(path); }

    int ShowMessageBox(const tarnui::MessageBoxRequest& request) override;
    void RunModalDialog(tarnui::Dialog& dialog) override;
    int TrackPopupMenu(const tarnui::PopupMenuRequest& request) override;
    std::optional<tarnui::PrintChoice> ShowPrintDialog(
        const tarnui::PrintDialogRequest& request) override;
    std::unique_ptr<tarnui::PrintJob> StartPrintJob(const tarnui::DeviceSettings& settings,
                                                    const std::string& documentName) override;
    bool ShowHelp(const tarnui::HelpRequest& request) override;
    void Beep() override;
    void WindowShown(tarnui::Window& window, bool shown) override;
    void WindowDestroyed(tarnui::Window& window) override;
    void WindowChanged(tarnui::Window& window, uint32_t changes) override;
    void MessagesPosted() override;
    void TimerSet(tarnui::Window& window, int timerId, unsigned intervalMs) override;
    void TimerKilled(tarnui::Window& window, int timerId) override;
    bool MeasureFont(const tarnui::Font& font, tarnui::TextMetrics& metrics) override;
    bool MeasureText(const tarnui::Font& font, std::string_view text, int& width) override;

private:
    void Flush();

    QWidget* dialogParent_ = nullptr;
    std::unordered_map<const tarnui::Window*, ChangeListener*> listeners_;
    std::unordered_map<const tarnui::Window*, uint32_t> pending_;
    bool flushScheduled_ = false;
    QObject flushContext_;  // a flush still due when the backend goes is dropped with it
    std::function<void()> afterChanges_;
    std::function<bool(uint32_t, unsigned)> unhandledKey_;
    std::map<std::pair<tarnui::Window*, int>, std::unique_ptr<QTimer>> timers_;
    std::map<std::pair<std::string, int>, tarnui::TextMetrics> metrics_;
    int beeps_ = 0;
    std::string printToFile_;
};

}  // namespace tarngui
