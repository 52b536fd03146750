// The person at the screen for the command line: the headless backend, answering from what
// the script queued, that also writes what the person saw to a transcript as it happens, and
// that can take the text a print puts into its temporary file instead of printing it.
#pragma once

#include <iosfwd>
#include <string>

#include "platform/backend/HeadlessBackend.h"

namespace tarncli::session {

class SessionBackend : public tarnui::HeadlessBackend {
public:
    // Without a transcript stream nothing is written.
    explicit SessionBackend(std::ostream* transcript = nullptr) : transcript_(transcript) {}

    // Writes the events not written yet, each as one indented line.
    void Flush();
    // Writes a line of its own, after the events before it.
    void Note(const std::string& text);
    // Forgets the events not written yet.
    void Skip();

    // While capturing, a document that starts printing is not printed: the file it was named
    // after (the print's temporary file) is read instead, with LF line ends.
    void BeginCapture();
    // The captured text; false when no print started.
    bool EndCapture(std::string* text);

    void RunModalDialog(tarnui::Dialog& dialog) override;
    std::unique_ptr<tarnui::PrintJob> StartPrintJob(const tarnui::DeviceSettings& settings,
                                                    const std::string& documentName) override;

private:
    std::ostream* transcript_;
    size_t written_ = 0;
    bool capturing_ = false;
    bool captured_ = false;
    std::string capturedText_;
};

// "OK", "Cancel", "Yes", ... for a button identifier; the number for others.
std::string ButtonName(int id);
// The identifier of a button name (case ignored) or number; 0 when it is neither.
int ButtonId(const std::string& name);

}  // namespace tarncli::session
