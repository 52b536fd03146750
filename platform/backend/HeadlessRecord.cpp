#include "platform/backend/HeadlessRecord.h"

namespace tarnui {

const char* ShownKindName(ShownKind kind) {
    switch (kind) {
        case ShownKind::MessageBox:
            return "message box";
        case ShownKind::Dialog:
            return "dialog";
        case ShownKind::PopupMenu:
            return "popup menu";
        case ShownKind::PrintDialog:
            return "print dialog";
        case ShownKind::Document:
            return "document";
        case ShownKind::Help:
            return "help";
        case ShownKind::Beep:
            return "beep";
        case ShownKind::WindowShown:
            return "window shown";
        case ShownKind::WindowHidden:
            return "window hidden";
        case ShownKind::Refused:
            return "refused";
    }
    return "?";
}

std::string Describe(const ShownEvent& e) {
    std::string s = ShownKindName(e.kind);
    switch (e.kind) {
        case ShownKind::MessageBox:
            s += " \"" + e.text + "\" caption \"" + e.caption + "\" icon " + IconName(e.icon) +
                 " buttons " + ButtonSetName(e.buttons) + " -> " + std::to_string(e.answer);
            break;
        case ShownKind::Dialog:
            s += " " + std::to_string(e.id) + " \"" + e.text + "\" -> " + std::to_string(e.answer);
            break;
        case ShownKind::PopupMenu:
            s += " [";
            for (size_t i = 0; i < e.items.size(); ++i) {
                s += (i ? ", " : "") + e.items[i];
            }
            s += "] -> " + std::to_string(e.answer);
            break;
        case ShownKind::PrintDialog:
            s += e.answer == 1 ? " -> accepted" : " -> cancelled";
            break;
        case ShownKind::Document:
            s += " \"" + e.text + "\"";
            break;
        case ShownKind::Help:
            s += " " + e.help.file + (e.help.window.empty() ? "" : ">" + e.help.window) +
                 " command " + std::to_string(e.help.command) + " data " +
                 std::to_string(e.help.data);
            break;
        case ShownKind::WindowShown:
        case ShownKind::WindowHidden:
            s += " " + std::to_string(e.id) + " \"" + e.text + "\"";
            break;
        case ShownKind::Refused:
            s += ": " + e.text;
            break;
        case ShownKind::Beep:
            break;
    }
    if (e.defaulted) {
        s += " (default, nothing scripted)";
    }
    return s;
}

}  // namespace tarnui
