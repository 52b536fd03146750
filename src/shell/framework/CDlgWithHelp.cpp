#include "src/shell/framework/CDlgWithHelp.h"

#include "platform/commands/Application.h"
#include "platform/help/Help.h"
#include "platform/system/Module.h"

namespace {
// An address inside the component, to find the library that holds it.
void ComponentAnchor() {}
}  // namespace

CDlgWithHelp::CDlgWithHelp(int templateId, tarnui::Window* parent)
    : tarnui::Dialog(templateId, parent) {}

uint32_t CDlgWithHelp::HelpContextOf(int templateId, int controlId) {
    return 0x80000000u + static_cast<uint32_t>(templateId) * 0x10000u +
           static_cast<uint32_t>(controlId);
}

std::string CDlgWithHelp::ComponentFileName() const {
    return tarnui::ModuleFileNameOf(&ComponentAnchor);
}

std::string CDlgWithHelp::HelpFilePath() const {
    const std::string library = ComponentFileName();
    return library.empty() ? std::string{} : tarnui::ReplaceExtension(library, ".hlp");
}

bool CDlgWithHelp::OnHelpForControl(int controlId) {
    const std::string helpFile = HelpFilePath();
    if (helpFile.empty() || !tarnui::FileExists(helpFile)) {
        return false;
    }
    // The popup opens in the component's help file; the application's own help file is
    // the current one again afterwards.
    tarnui::Application* app = tarnui::Application::Current();
    const std::string previous = app != nullptr ? app->HelpFilePath() : std::string{};
    if (app != nullptr) {
        app->SetHelpFilePath(helpFile);
    }
    const bool shown = tarnui::WinHelp(this, helpFile, tarnui::kHelpContextPopup,
                                       HelpContextOf(TemplateNumber(), controlId));
    if (app != nullptr) {
        app->SetHelpFilePath(previous);
    }
    return shown;
}

bool CDlgWithHelp::OnHelpKey() {
    const tarnui::Control* focused = GetFocusedControl();
    return focused != nullptr && OnHelpForControl(focused->GetDlgCtrlID());
}

bool CDlgWithHelp::OnKeyDown(const tarnui::KeyEvent& key) {
    if (key.key == tarnui::kKeyF1) {
        OnHelpKey();
        return true;
    }
    return tarnui::Dialog::OnKeyDown(key);
}
