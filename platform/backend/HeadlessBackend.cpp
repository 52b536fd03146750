#include "platform/backend/HeadlessBackend.h"

#include "platform/dialogs/Dialog.h"
#include "platform/menus/Menu.h"
#include "platform/menus/PopupMenu.h"
#include "platform/printing/PrintJob.h"

namespace tarnui {

// Records one document into the backend's list as it is drawn.
class HeadlessPrintJob : public PrintJob {
public:
    HeadlessPrintJob(HeadlessBackend& backend, int index) : backend_(backend), index_(index) {}

    bool StartPage() override {
        Doc().pages.emplace_back();
        Doc().pageOpen = true;
        return true;
    }
    void TextOut(int x, int y, const std::string& text, const Font& font) override {
        Doc().pages.back().texts.push_back({x, y, text, font.face, font.height});
    }
    bool EndPage() override {
        Doc().pageOpen = false;
        return true;
    }
    bool EndDoc() override {
        Doc().ended = true;
        return true;
    }
    void Abort() override { Doc().aborted = true; }

private:
    PrintedDocument& Doc() { return backend_.documents_[index_]; }
    HeadlessBackend& backend_;
    int index_;
};

std::vector<ShownEvent> HeadlessBackend::EventsOf(ShownKind kind) const {
    std::vector<ShownEvent> out;
    for (const ShownEvent& e : events_) {
        if (e.kind == kind) {
            out.push_back(e);
        }
    }
    return out;
}

std::vector<std::string> HeadlessBackend::MessageTexts() const {
    std::vector<std::string> out;
    for (const ShownEvent& e : events_) {
        if (e.kind == ShownKind::MessageBox) {
            out.push_back(e.text);
        }
    }
    return out;
}

bool HeadlessBackend::ShowedMessage(std::string_view text) const {
    for (const ShownEvent& e : events_) {
        if (e.kind == ShownKind::MessageBox && e.text == text) {
            return true;
        }
    }
    return false;
}

int HeadlessBackend::BeepCount() const {
    return static_cast<int>(EventsOf(ShownKind::Beep).size());
}

std::string HeadlessBackend::Transcript() const {
    std::string out;
    for (const ShownEvent& e : events_) {
        out += Describe(e) + "\n";
    }
    return out;
}

void HeadlessBackend::ClearRecord() {
    events_.clear();
    documents_.clear();
    cursors_.clear();
}

void HeadlessBackend::Refuse(std::string what) {
    ShownEvent e;
    e.kind = ShownKind::Refused;
    e.text = std::move(what);
    events_.push_back(std::move(e));
}

int HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
    ShownEvent e;
    e.kind = ShownKind::MessageBox;
    e.text = request.text;
    e.caption = request.caption;
    e.icon = request.icon;
    e.buttons = request.buttons;
    const std::optional<int> scripted = script_.TakeMessageBox();
    if (!scripted) {
        e.answer = request.DefaultAnswer();
        e.defaulted = true;
    } else if (!request.Offers(*scripted)) {
        Refuse("answer " + std::to_string(*scripted) + " is not a button of message box \"" +
               request.text + "\"");
        e.answer = request.DefaultAnswer();
    } else {
        e.answer = *scripted;
    }
    events_.push_back(e);
    return e.answer;
}

void HeadlessBackend::RunModalDialog(Dialog& dialog) {
    const size_t index = events_.size();
    ShownEvent e;
    e.kind = ShownKind::Dialog;
    e.id = dialog.TemplateId();
    e.text = dialog.GetWindowText();
    events_.push_back(e);

    const std::string name = "dialog " + std::to_string(dialog.TemplateId()) + ": ";
    bool defaulted = true;
    if (std::optional<DialogScript> script = script_.TakeDialog(dialog.TemplateId())) {
        for (const DialogScript::Step& step : script->Steps()) {
            if (dialog.IsEnded()) {
                Refuse(name + step.description + " not done, the dialog had ended");
                continue;
            }
            if (!step.run(dialog)) {
                Refuse(name + step.description);
            }
        }
        defaulted = !dialog.IsEnded();
    }
    if (!dialog.IsEnded()) {
        dialog.PressEscape();
    }
    if (!dialog.IsEnded()) {
        dialog.EndDialog(IDCANCEL);
    }
    events_[index].answer = dialog.EndCode();
    events_[index].defaulted = defaulted;
}

namespace {
void CollectItems(const Menu& menu, const std::string& prefix, std::vector<std::string>& out) {
    for (int i = 0; i < menu.Count(); ++i) {
        const Menu::Item& item = menu.At(i);
        if (item.separator) {
            out.push_back(prefix + "-");
        } else if (item.submenu) {
            CollectItems(*item.submenu, prefix + MenuDisplayText(item.text) + " > ", out);
        } else {
            std::string text = prefix + MenuDisplayText(item.text);
            if (item.checked) {
                text += " [x]";
            }
            if (!item.enabled) {
                text += " (disabled)";
            }
            out.push_back(std::move(text));
        }
    }
}
}  // namespace

int HeadlessBackend::TrackPopupMenu(const PopupMenuRequest& request) {
    ShownEvent e;
    e.kind = ShownKind::PopupMenu;
    if (request.menu != nullptr) {
        CollectItems(*request.menu, "", e.items);
    }
    const std::optional<int> scripted = script_.TakePopupMenu();
    if (!scripted) {
        e.defaulted = true;
    } else if (*scripted != 0) {
        const Menu::Item* item =
            request.menu != nullptr ? request.menu->FindCommand(*scripted) : nullptr;
        if (item == nullptr || !item->enabled) {
            Refuse(
                "command " + std::to_string(*scripted) +
                (item == nullptr ? " is not in the popup menu" : " is disabled in the popup menu"));
        } else {
            e.answer = *scripted;
        }
    }
    events_.push_back(e);
    return e.answer;
}

std::optional<PrintChoice> HeadlessBackend::ShowPrintDialog(const PrintDialogRequest& request) {
    ShownEvent e;
    e.kind = ShownKind::PrintDialog;
    std::optional<PrintChoice> choice;
    if (auto scripted = script_.TakePrintDialog()) {
        if (*scripted) {
            choice = PrintChoice{**scripted, request.fromPage, request.toPage, request.copies};
        }
    } else {
        e.defaulted = true;
    }
    e.answer = choice ? IDOK : IDCANCEL;
    events_.push_back(e);
    return choice;
}

std::unique_ptr<PrintJob> HeadlessBackend::StartPrintJob(const DeviceSettings& settings,
                                                         const std::string& documentName) {
    if (!printerAvailable_) {
        return nullptr;
    }
    PrintedDocument doc;
    doc.name = documentName;
    doc.settings = settings;
    documents_.push_back(std::move(doc));
    ShownEvent e;
    e.kind = ShownKind::Document;
    e.text = documentName;
    e.document = static_cast<int>(documents_.size()) - 1;
    events_.push_back(e);
    return std::make_unique<HeadlessPrintJob>(*this, e.document);
}

bool HeadlessBackend::ShowHelp(const HelpRequest& request) {
    ShownEvent e;
    e.kind = ShownKind::Help;
    e.help = request;
    e.help.owner = nullptr;  // the record outlives windows
    e.text = request.file;
    const std::optional<bool> scripted = script_.TakeHelp();
    e.defaulted = !scripted;
    e.answer = scripted.value_or(helpAvailable_) ? 1 : 0;
    events_.push_back(e);
    return e.answer != 0;
}

void HeadlessBackend::Beep() {
    ShownEvent e;
    e.kind = ShownKind::Beep;
    events_.push_back(e);
}

void HeadlessBackend::WindowShown(Window& window, bool shown) {
    ShownEvent e;
    e.kind = shown ? ShownKind::WindowShown : ShownKind::WindowHidden;
    e.id = window.GetDlgCtrlID();
    e.text = window.GetWindowText();
    events_.push_back(e);
}

}  // namespace tarnui
