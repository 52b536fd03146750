// The backend without a screen, used by tests and the command line. It answers from a
// script (HeadlessScript.h) and records everything shown (HeadlessRecord.h). With nothing
// scripted it gives the answer of a person who confirms nothing: a message box's default
// button, Cancel for dialogs and the print dialog, dismissal for popup menus; the event is
// then marked `defaulted`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/backend/HeadlessRecord.h"
#include "platform/backend/HeadlessScript.h"
#include "platform/windows/Cursor.h"

namespace tarnui {

class HeadlessBackend : public Backend {
public:
    HeadlessScript& Script() { return script_; }

    // The record.
    const std::vector<ShownEvent>& Events() const { return events_; }
    std::vector<ShownEvent> EventsOf(ShownKind kind) const;
    std::vector<std::string> MessageTexts() const;
    bool ShowedMessage(std::string_view text) const;
    int BeepCount() const;
    const std::vector<PrintedDocument>& Documents() const { return documents_; }
    // Every cursor shown, in order (the arrow as id 0).
    const std::vector<Cursor>& Cursors() const { return cursors_; }
    std::string Transcript() const;
    void ClearRecord();

    // Whether printers accept documents (true by default) and help opens (true by default,
    // unless the script says otherwise for a request).
    void SetPrinterAvailable(bool on) { printerAvailable_ = on; }
    void SetHelpAvailable(bool on) { helpAvailable_ = on; }

    // Backend.
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void RunModalDialog(Dialog& dialog) override;
    int TrackPopupMenu(const PopupMenuRequest& request) override;
    std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request) override;
    std::unique_ptr<PrintJob> StartPrintJob(const DeviceSettings& settings,
                                            const std::string& documentName) override;
    bool ShowHelp(const HelpRequest& request) override;
    void Beep() override;
    void WindowShown(Window& window, bool shown) override;
    void CursorChanged(const Cursor& cursor) override { cursors_.push_back(cursor); }

private:
    friend class HeadlessPrintJob;
    void Refuse(std::string what);

    HeadlessScript script_;
    std::vector<ShownEvent> events_;
    std::vector<PrintedDocument> documents_;
    std::vector<Cursor> cursors_;
    bool printerAvailable_ = true;
    bool helpAvailable_ = true;
};

}  // namespace tarnui
