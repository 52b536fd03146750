#include "platform/help/Help.h"

#include "platform/backend/Backend.h"
#include "platform/commands/Application.h"

namespace tarnui {

bool WinHelp(Window* owner, const std::string& file, int command, uintptr_t data) {
    HelpRequest r;
    r.kind = command == kHelpContextPopup ? HelpKind::ContextPopup : HelpKind::Context;
    r.owner = owner;
    r.file = file;
    if (r.file.empty() && Application::Current() != nullptr) {
        r.file = Application::Current()->HelpFilePath();
    }
    if (r.file.empty()) {
        return false;
    }
    r.command = command;
    r.data = data;
    return CurrentBackend().ShowHelp(r);
}

bool HtmlHelp(Window* owner, const std::string& fileAndWindow, int command, uintptr_t data) {
    HelpRequest r;
    r.kind = HelpKind::Html;
    r.owner = owner;
    const size_t gt = fileAndWindow.find('>');
    r.file = fileAndWindow.substr(0, gt);
    if (gt != std::string::npos) {
        r.window = fileAndWindow.substr(gt + 1);
    }
    if (r.file.empty()) {
        return false;
    }
    r.command = command;
    r.data = data;
    return CurrentBackend().ShowHelp(r);
}

void EnterContextHelpMode(Window* owner) {
    HelpRequest r;
    r.kind = HelpKind::ContextMode;
    r.owner = owner;
    CurrentBackend().ShowHelp(r);
}

}  // namespace tarnui
