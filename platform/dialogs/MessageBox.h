// Message boxes. The flags combine a button set, an icon and the default button, with the
// usual numeric values. The answer is the identifier of the button pressed (DialogIds.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs/DialogIds.h"

namespace tarnui {

class Window;

enum MessageBoxFlags : uint32_t {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbAbortRetryIgnore = 0x2,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
    kMbRetryCancel = 0x5,
    kMbButtonMask = 0xF,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
    kMbIconMask = 0xF0,
    kMbDefButton1 = 0x000,
    kMbDefButton2 = 0x100,
    kMbDefButton3 = 0x200,
    kMbDefButtonMask = 0xF00,
};

enum class MessageBoxIcon { None, Information, Exclamation, Error, Question };
enum class MessageBoxButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };

struct MessageBoxRequest {
    Window* owner = nullptr;
    std::string text;
    std::string caption;
    MessageBoxIcon icon = MessageBoxIcon::None;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    int defaultButton = 0;  // index into Buttons()

    static MessageBoxRequest FromFlags(Window* owner, std::string text, std::string caption,
                                       uint32_t flags);
    // The button identifiers in the order shown, e.g. {IDYES, IDNO, IDCANCEL}.
    std::vector<int> Buttons() const;
    int DefaultAnswer() const;  // the default button's identifier
    bool Offers(int answer) const;
};

const char* IconName(MessageBoxIcon icon);             // "information", "error", ...
const char* ButtonSetName(MessageBoxButtons buttons);  // "OK", "YesNoCancel", ...

// Shows the box through the current backend. An empty caption becomes the application's
// title. An answer the box does not offer is taken as its default button.
int MessageBox(Window* owner, const std::string& text, const std::string& caption = {},
               uint32_t flags = kMbOk);
int MessageBox(const std::string& text, uint32_t flags = kMbOk);
// The text is string `stringId` of the current resource context.
int MessageBoxFromString(int stringId, uint32_t flags = kMbOk);

}  // namespace tarnui
