#include "platform/dialogs/MessageBox.h"

#include <algorithm>

#include "platform/backend/Backend.h"
#include "platform/commands/Application.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {

MessageBoxRequest MessageBoxRequest::FromFlags(Window* owner, std::string text, std::string caption,
                                               uint32_t flags) {
    MessageBoxRequest r;
    r.owner = owner;
    r.text = std::move(text);
    r.caption = std::move(caption);
    switch (flags & kMbButtonMask) {
        case kMbOkCancel:
            r.buttons = MessageBoxButtons::OkCancel;
            break;
        case kMbAbortRetryIgnore:
            r.buttons = MessageBoxButtons::AbortRetryIgnore;
            break;
        case kMbYesNoCancel:
            r.buttons = MessageBoxButtons::YesNoCancel;
            break;
        case kMbYesNo:
            r.buttons = MessageBoxButtons::YesNo;
            break;
        case kMbRetryCancel:
            r.buttons = MessageBoxButtons::RetryCancel;
            break;
        default:
            r.buttons = MessageBoxButtons::Ok;
            break;
    }
    switch (flags & kMbIconMask) {
        case kMbIconError:
            r.icon = MessageBoxIcon::Error;
            break;
        case kMbIconQuestion:
            r.icon = MessageBoxIcon::Question;
            break;
        case kMbIconExclamation:
            r.icon = MessageBoxIcon::Exclamation;
            break;
        case kMbIconInformation:
            r.icon = MessageBoxIcon::Information;
            break;
        default:
            r.icon = MessageBoxIcon::None;
            break;
    }
    const int def = static_cast<int>((flags & kMbDefButtonMask) >> 8);
    r.defaultButton = std::min(def, static_cast<int>(r.Buttons().size()) - 1);
    return r;
}

std::vector<int> MessageBoxRequest::Buttons() const {
    switch (buttons) {
        case MessageBoxButtons::Ok:
            return {IDOK};
        case MessageBoxButtons::OkCancel:
            return {IDOK, IDCANCEL};
        case MessageBoxButtons::AbortRetryIgnore:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MessageBoxButtons::YesNoCancel:
            return {IDYES, IDNO, IDCANCEL};
        case MessageBoxButtons::YesNo:
            return {IDYES, IDNO};
        case MessageBoxButtons::RetryCancel:
            return {IDRETRY, IDCANCEL};
    }
    return {IDOK};
}

int MessageBoxRequest::DefaultAnswer() const {
    const std::vector<int> b = Buttons();
    return b[std::clamp(defaultButton, 0, static_cast<int>(b.size()) - 1)];
}

bool MessageBoxRequest::Offers(int answer) const {
    const std::vector<int> b = Buttons();
    return std::find(b.begin(), b.end(), answer) != b.end();
}

const char* IconName(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::None:
            return "none";
        case MessageBoxIcon::Information:
            return "information";
        case MessageBoxIcon::Exclamation:
            return "exclamation";
        case MessageBoxIcon::Error:
            return "error";
        case MessageBoxIcon::Question:
            return "question";
    }
    return "none";
}

const char* ButtonSetName(MessageBoxButtons buttons) {
    switch (buttons) {
        case MessageBoxButtons::Ok:
            return "OK";
        case MessageBoxButtons::OkCancel:
            return "OKCancel";
        case MessageBoxButtons::AbortRetryIgnore:
            return "AbortRetryIgnore";
        case MessageBoxButtons::YesNoCancel:
            return "YesNoCancel";
        case MessageBoxButtons::YesNo:
            return "YesNo";
        case MessageBoxButtons::RetryCancel:
            return "RetryCancel";
    }
    return "OK";
}

int MessageBox(Window* owner, const std::string& text, const std::string& caption, uint32_t flags) {
    std::string title = caption;
    if (title.empty() && Application::Current() != nullptr) {
        title = Application::Current()->Title();
    }
    const MessageBoxRequest request = MessageBoxRequest::FromFlags(owner, text, title, flags);
    const int answer = CurrentBackend().ShowMessageBox(request);
    return request.Offers(answer) ? answer : request.DefaultAnswer();
}

int MessageBox(const std::string& text, uint32_t flags) {
    return MessageBox(nullptr, text, {}, flags);
}

int MessageBoxFromString(int stringId, uint32_t flags) {
    return MessageBox(nullptr, LoadString(stringId), {}, flags);
}

}  // namespace tarnui
