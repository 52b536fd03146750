// The state of one command as its user-interface element (menu item, toolbar button) shows
// it. Update handlers fill it; the element renders it.
#pragma once

#include <optional>
#include <string>

namespace tarnui {

struct CommandUI {
    int id = 0;
    bool enabled = false;
    bool checked = false;
    std::optional<std::string> text;  // set when a handler renames the element
    bool handled = false;             // an update handler (or a command handler) was found

    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
    void SetText(std::string value) { text = std::move(value); }
};

}  // namespace tarnui
