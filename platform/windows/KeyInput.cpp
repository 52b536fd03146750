#include "platform/windows/Keys.h"
#include "platform/windows/Window.h"

namespace tarnui {

namespace {
bool Route(MessageId msg, uint32_t key, unsigned modifiers) {
    for (Window* w = Window::GetFocus(); w != nullptr; w = w->GetParent()) {
        if (w->SendMessage(msg, key, static_cast<MessageParam>(modifiers)) != 0) {
            return true;
        }
    }
    return false;
}
}  // namespace

bool KeyDown(uint32_t key, unsigned modifiers) {
    return Route(kMsgKeyDown, key, modifiers);
}

bool KeyUp(uint32_t key, unsigned modifiers) {
    return Route(kMsgKeyUp, key, modifiers);
}

bool PressKey(uint32_t key, unsigned modifiers) {
    const bool handled = KeyDown(key, modifiers);
    KeyUp(key, modifiers);
    return handled;
}

}  // namespace tarnui
