// What a headless backend was shown, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs/MessageBox.h"
#include "platform/help/Help.h"
#include "platform/printing/DeviceSettings.h"

namespace tarnui {

enum class ShownKind {
    MessageBox,   // text, caption, icon, buttons, answer
    Dialog,       // id = template, text = title, answer = end code
    PopupMenu,    // items = item texts, answer = command chosen (0: dismissed)
    PrintDialog,  // answer = IDOK or IDCANCEL
    Document,     // text = document name, document = index into Documents()
    Help,         // help = the request
    Beep,
    WindowShown,  // text = window text, id = window identifier
    WindowHidden,
    Refused,  // a scripted answer or step that could not be given; text says which
};

struct ShownEvent {
    ShownKind kind = ShownKind::Beep;
    std::string text;
    std::string caption;
    MessageBoxIcon icon = MessageBoxIcon::None;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    int id = 0;
    int answer = 0;
    bool defaulted = false;  // the script had no answer: the default was given
    std::vector<std::string> items;
    int document = -1;
    HelpRequest help;
};

struct DrawnText {
    int x = 0, y = 0;
    std::string text;
    std::string fontFace;
    int fontHeight = 0;
};

struct PrintedPage {
    std::vector<DrawnText> texts;
};

struct PrintedDocument {
    std::string name;
    DeviceSettings settings;
    std::vector<PrintedPage> pages;
    bool pageOpen = false;
    bool ended = false;
    bool aborted = false;
};

const char* ShownKindName(ShownKind kind);
// One line describing the event, for failure messages and transcripts.
std::string Describe(const ShownEvent& event);

}  // namespace tarnui
