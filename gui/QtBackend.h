// The platform's backend on Qt Widgets: message boxes, dialogs, popup menus, beeps, the main
// loop (posted messages and timers on Qt's event loop) and screen text metrics. It keeps no
// view or dialog logic: it renders the platform's state and hands a person's input back
// through the platform's input operations.
#pragma once

#include <QFont>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

#include "gui/ContextHelpMode.h"
#include "platform/backend/Backend.h"

class QWidget;

namespace tarngui {

class HelpWindow;

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
    // The folder of the help pages and their topics table; the "help" folder beside the
    // program unless set.
    void SetHelpFolder(QString folder) { helpFolder_ = std::move(folder); }
    QString HelpFolder() const;
    // The help window, once help was shown; null before.
    HelpWindow* Help() const;
    bool InContextHelpMode() const { return helpMode_.IsOn(); }
    // Runs after each batch of changes as well (view toolbars follow their commands' state);
    // the owner's destruction ends it.
    void AfterEachChange(QObject* owner, std::function<void()> action);

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
    // A resource's cursor is shown over the whole application (Qt's override cursor); the
    // arrow takes it away again.
    void CursorChanged(const tarnui::Cursor& cursor) override;
    // Runs when a modal dialog ends with OK (the host's busy indication of what follows).
    void SetAfterDialogOk(std::function<void()> action) { afterDialogOk_ = std::move(action); }
    // The widgets that follow the platform's state look again on the next event-loop turn
    // (a change only the host's state shows, such as a toolbar shown or hidden).
    void ScheduleFlush();

private:
    void Flush();

    QWidget* dialogParent_ = nullptr;
    std::unordered_map<const tarnui::Window*, ChangeListener*> listeners_;
    std::unordered_map<const tarnui::Window*, uint32_t> pending_;
    // The window changed last and its pending bits, while they are pending.
    const tarnui::Window* lastChanged_ = nullptr;
    uint32_t* lastPending_ = nullptr;
    bool flushScheduled_ = false;
    std::function<void()> afterChanges_;
    std::function<bool(uint32_t, unsigned)> unhandledKey_;
    std::map<std::pair<tarnui::Window*, int>, std::unique_ptr<QTimer>> timers_;
    std::map<std::pair<std::string, int>, tarnui::TextMetrics> metrics_;
    int beeps_ = 0;
    bool cursorOverridden_ = false;
    std::function<void()> afterDialogOk_;
    std::string printToFile_;
    QString helpFolder_;
    QPointer<QWidget> help_;  // a HelpWindow
    ContextHelpMode helpMode_;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> changeFollowers_;
    // Calls queued for this backend die with it (a later backend may sit at the same place).
    QObject lifetime_;
};

}  // namespace tarngui
