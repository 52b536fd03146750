// Help requests: context help in a help file (a topic, or a popup for a context number),
// context help mode (the next click asks for help on what it hits), and HTML help, whose
// file may name a window after ">" ("Map.chm>F1HelpWindow").
#pragma once

#include <cstdint>
#include <string>

namespace tarnui {

class Window;

enum class HelpKind { Context, ContextPopup, ContextMode, Html };

enum HelpCommand : int {
    kHelpContext = 0x0001,  // show the topic of a context number
    kHelpQuit = 0x0002,
    kHelpContextPopup = 0x0008,  // show the topic of a context number in a popup
    kHtmlHelpDisplayTopic = 0x0000,
    kHtmlHelpContext = 0x000F,  // show the topic of a context number
};

struct HelpRequest {
    HelpKind kind = HelpKind::Context;
    Window* owner = nullptr;
    std::string file;    // without a window part
    std::string window;  // HTML help window name; "" when none
    int command = 0;
    uintptr_t data = 0;  // context number
};

// Context help in `file` (the application's help file when empty). False when there is no
// file to ask or the backend could not show it.
bool WinHelp(Window* owner, const std::string& file, int command, uintptr_t data);
// HTML help; `fileAndWindow` is "file" or "file>window". Returns whether help opened.
bool HtmlHelp(Window* owner, const std::string& fileAndWindow, int command, uintptr_t data);
// Enters context help mode.
void EnterContextHelpMode(Window* owner);

}  // namespace tarnui
