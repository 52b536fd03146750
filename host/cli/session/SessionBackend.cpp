#include "host/cli/session/SessionBackend.h"

#include <cctype>
#include <fstream>
#include <ostream>
#include <sstream>

#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/DialogIds.h"
#include "platform/printing/PrintJob.h"

namespace tarncli::session {
namespace {

struct NamedButton {
    const char* name;
    int id;
};
constexpr NamedButton kButtons[] = {
    {"OK", tarnui::IDOK},       {"Cancel", tarnui::IDCANCEL}, {"Abort", tarnui::IDABORT},
    {"Retry", tarnui::IDRETRY}, {"Ignore", tarnui::IDIGNORE}, {"Yes", tarnui::IDYES},
    {"No", tarnui::IDNO},       {"Help", tarnui::IDHELP},
};

// Line breaks inside a text would break the transcript's one line per event.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Scripted(bool defaulted) {
    return defaulted ? " (nothing scripted)" : "";
}

// One line per event; an empty line for what the transcript leaves out.
std::string Render(const tarnui::ShownEvent& e) {
    using tarnui::ShownKind;
    switch (e.kind) {
        case ShownKind::MessageBox:
            return "message box " + Quoted(e.text) +
                   (e.caption.empty() ? "" : " caption " + Quoted(e.caption)) + " buttons " +
                   tarnui::ButtonSetName(e.buttons) + " -> " + ButtonName(e.answer) +
                   Scripted(e.defaulted);
        case ShownKind::Dialog:
            return "dialog " + std::to_string(e.id) + " " + Quoted(e.text) + " opened";
        case ShownKind::PrintDialog:
            return std::string("print dialog -> ") + (e.answer == tarnui::IDOK ? "OK" : "Cancel") +
                   Scripted(e.defaulted);
        case ShownKind::Beep:
            return "beep";
        case ShownKind::Refused:
            return "refused: " + e.text;
        case ShownKind::WindowShown:
        case ShownKind::WindowHidden:
            return {};
        default:
            return tarnui::Describe(e);
    }
}

}  // namespace

std::string ButtonName(int id) {
    for (const NamedButton& button : kButtons) {
        if (button.id == id) {
            return button.name;
        }
    }
    return std::to_string(id);
}

int ButtonId(const std::string& name) {
    for (const NamedButton& button : kButtons) {
        const std::string known = button.name;
        if (known.size() == name.size() &&
            std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            })) {
            return button.id;
        }
    }
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos &&
        name.size() < 9) {
        return std::stoi(name);
    }
    return 0;
}

void SessionBackend::Flush() {
    const auto& events = Events();
    for (; written_ < events.size(); ++written_) {
        const std::string line = Render(events[written_]);
        if (transcript_ != nullptr && !line.empty()) {
            *transcript_ << "  " << line << "\n";
        }
    }
}

void SessionBackend::Note(const std::string& text) {
    Flush();
    if (transcript_ != nullptr) {
        *transcript_ << "  " << text << "\n";
    }
}

void SessionBackend::Skip() {
    written_ = Events().size();
}

// The dialog's closing line follows whatever the person saw while it was open.
void SessionBackend::RunModalDialog(tarnui::Dialog& dialog) {
    Flush();
    const size_t index = Events().size();
    HeadlessBackend::RunModalDialog(dialog);
    Flush();
    if (index >= Events().size()) {
        return;
    }
    const tarnui::ShownEvent& opened = Events()[index];
    Note("dialog " + std::to_string(opened.id) + " closed with " + ButtonName(opened.answer) +
         Scripted(opened.defaulted));
}

void SessionBackend::BeginCapture() {
    capturing_ = true;
    captured_ = false;
    capturedText_.clear();
}

bool SessionBackend::EndCapture(std::string* text) {
    capturing_ = false;
    *text = capturedText_;
    return captured_;
}

std::unique_ptr<tarnui::PrintJob> SessionBackend::StartPrintJob(
    const tarnui::DeviceSettings& settings, const std::string& documentName) {
    if (!capturing_) {
        return HeadlessBackend::StartPrintJob(settings, documentName);
    }
    std::ifstream in(documentName, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string text = content.str();
    capturedText_.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            capturedText_ += text[i];
        }
    }
    captured_ = in.is_open();
    // No printer: nothing is printed and the temporary file goes.
    return nullptr;
}

}  // namespace tarncli::session
