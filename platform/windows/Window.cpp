#include "platform/windows/Window.h"

#include <algorithm>

#include "platform/backend/Backend.h"
#include "platform/windows/MessageQueue.h"

namespace tarnui {

namespace {
Window* g_focus = nullptr;
}

Window::Window() = default;

Window::~Window() {
    // Derived parts are gone already, so only the base handlers run here; classes that need
    // their own OnDestroy call DestroyWindow in their destructor.
    DestroyWindow();
}

bool Window::Create(Window* parent, const Rect& rect, int id, uint32_t style, std::string text) {
    if (created_ || (parent != nullptr && !parent->created_)) {
        return false;
    }
    parent_ = parent;
    id_ = id;
    style_ = style;
    text_ = std::move(text);
    rect_ = rect;
    created_ = true;
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
    }
    if (Dispatch(kMsgCreate, 0, 0) == -1) {
        DestroyWindow();
        return false;
    }
    NotifyChanged(kChangeCreated);
    return true;
}

bool Window::DestroyWindow() {
    if (!created_ || destroying_) {
        return false;
    }
    destroying_ = true;
    // Children first, most recent first; copy because each child unlinks itself.
    std::vector<Window*> children = children_;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        (*it)->DestroyWindow();
    }
    if (g_focus == this) {
        g_focus = nullptr;
    }
    Dispatch(kMsgDestroy, 0, 0);
    for (const auto& [timerId, interval] : timers_) {
        CurrentBackend().TimerKilled(*this, timerId);
    }
    timers_.clear();
    MessageQueue::Purge(this);
    CurrentBackend().WindowDestroyed(*this);
    Unlink();
    created_ = false;
    destroying_ = false;
    return true;
}

void Window::Unlink() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_ = nullptr;
    }
}

Window* Window::GetDlgItem(int id) const {
    for (Window* child : children_) {
        if (child->id_ == id) {
            return child;
        }
    }
    return nullptr;
}

bool Window::IsChildOf(const Window* ancestor) const {
    for (const Window* w = parent_; w != nullptr; w = w->parent_) {
        if (w == ancestor) {
            return true;
        }
    }
    return false;
}

MessageResult Window::SendMessage(MessageId msg, MessageParam w, MessageParam l) {
    if (!created_) {
        return 0;
    }
    return Dispatch(msg, w, l);
}

bool Window::PostMessage(MessageId msg, MessageParam w, MessageParam l) {
    if (!created_) {
        return false;
    }
    MessageQueue::Post(this, msg, w, l);
    return true;
}

int Window::PumpMessages() {
    return MessageQueue::Pump();
}

MessageResult Window::Dispatch(MessageId msg, MessageParam w, MessageParam l) {
    switch (msg) {
        case kMsgCreate:
            return OnCreate() ? 0 : -1;
        case kMsgDestroy:
            OnDestroy();
            return 0;
        case kMsgSize:
            OnSize(static_cast<int>(w), static_cast<int>(l));
            return 0;
        case kMsgTimer:
            OnTimer(static_cast<int>(w));
            return 0;
        case kMsgShowWindow:
            OnShowWindow(w != 0);
            return 0;
        case kMsgEnable:
            OnEnable(w != 0);
            return 0;
        case kMsgSetFocus:
            OnSetFocus(reinterpret_cast<Window*>(w));
            return 0;
        case kMsgKillFocus:
            OnKillFocus(reinterpret_cast<Window*>(w));
            return 0;
        case kMsgKeyDown:
            return OnKeyDown({static_cast<uint32_t>(w), static_cast<unsigned>(l)}) ? 1 : 0;
        case kMsgKeyUp:
            return OnKeyUp({static_cast<uint32_t>(w), static_cast<unsigned>(l)}) ? 1 : 0;
        case kMsgCommand:
            return ExecuteCommand(static_cast<int>(w)) ? 1 : 0;
        default:
            return OnMessage(msg, w, l);
    }
}

MessageResult Window::OnMessage(MessageId, MessageParam, MessageParam) {
    return 0;
}

void Window::SetWindowText(std::string text) {
    if (text != text_) {
        text_ = std::move(text);
        NotifyChanged(kChangeText);
    }
}

void Window::ModifyStyle(uint32_t remove, uint32_t add) {
    const uint32_t style = (style_ & ~remove) | add;
    if (style != style_) {
        style_ = style;
        NotifyChanged(kChangeAppearance);
    }
}

void Window::SetFont(const Font* font) {
    font_ = font;
    NotifyChanged(kChangeAppearance);
}

void Window::NotifyChanged(uint32_t changes) {
    ++revision_;
    if (created_) {
        CurrentBackend().WindowChanged(*this, changes);
    }
}

void Window::MoveWindow(const Rect& rect) {
    rect_ = rect;
    NotifyChanged(kChangeGeometry);
    if (created_) {
        Dispatch(kMsgSize, rect.Width(), rect.Height());
    }
}

bool Window::IsWindowVisible() const {
    if (!created_) {
        return false;
    }
    for (const Window* w = this; w != nullptr; w = w->parent_) {
        if (!w->IsVisibleFlag()) {
            return false;
        }
    }
    return true;
}

namespace {
// Drops the focus when its holder is `w` or lies inside `w`.
void DropFocusWithin(Window* w) {
    if (g_focus != nullptr && (g_focus == w || g_focus->IsChildOf(w))) {
        Window* old = g_focus;
        g_focus = nullptr;
        old->SendMessage(kMsgKillFocus, 0, 0);
        old->NotifyChanged(kChangeFocus);
    }
}
}  // namespace

bool Window::ShowWindow(bool show) {
    const bool was = IsVisibleFlag();
    if (was == show) {
        return was;
    }
    style_ = show ? (style_ | kWsVisible) : (style_ & ~uint32_t{kWsVisible});
    if (created_) {
        if (!show) {
            DropFocusWithin(this);
        }
        Dispatch(kMsgShowWindow, show ? 1 : 0, 0);
        NotifyChanged(kChangeShown);
        CurrentBackend().WindowShown(*this, show);
    }
    return was;
}

bool Window::EnableWindow(bool enable) {
    const bool wasDisabled = !IsWindowEnabled();
    if (wasDisabled == !enable) {
        return wasDisabled;
    }
    style_ = enable ? (style_ & ~uint32_t{kWsDisabled}) : (style_ | kWsDisabled);
    if (created_) {
        if (!enable) {
            DropFocusWithin(this);
        }
        Dispatch(kMsgEnable, enable ? 1 : 0, 0);
        NotifyChanged(kChangeEnabled);
    }
    return wasDisabled;
}

Window* Window::SetFocus() {
    if (!created_ || !IsWindowEnabled() || !CanTakeFocus()) {
        return nullptr;
    }
    Window* previous = g_focus;
    if (previous == this) {
        return previous;
    }
    g_focus = this;
    if (previous != nullptr) {
        previous->SendMessage(kMsgKillFocus, reinterpret_cast<MessageParam>(this), 0);
        previous->NotifyChanged(kChangeFocus);
    }
    Dispatch(kMsgSetFocus, reinterpret_cast<MessageParam>(previous), 0);
    NotifyChanged(kChangeFocus);
    return previous;
}

Window* Window::GetFocus() {
    return g_focus;
}

int Window::SetTimer(int timerId, unsigned intervalMs) {
    if (!created_ || timerId == 0) {
        return 0;
    }
    timers_[timerId] = intervalMs;
    CurrentBackend().TimerSet(*this, timerId, intervalMs);
    return timerId;
}

bool Window::KillTimer(int timerId) {
    if (timers_.erase(timerId) == 0) {
        return false;
    }
    CurrentBackend().TimerKilled(*this, timerId);
    return true;
}

bool Window::FireTimer(int timerId) {
    if (!created_ || !HasTimer(timerId)) {
        return false;
    }
    Dispatch(kMsgTimer, timerId, 0);
    return true;
}

const Font* Window::GetFont() const {
    for (const Window* w = this; w != nullptr; w = w->parent_) {
        if (w->font_ != nullptr) {
            return w->font_;
        }
    }
    return nullptr;
}

CommandTarget* Window::NextCommandTarget() const {
    if (ExplicitNextCommandTarget() != nullptr) {
        return ExplicitNextCommandTarget();
    }
    if (parent_ != nullptr) {
        return parent_;
    }
    return CommandTarget::NextCommandTarget();
}

bool Window::NotifyParent(int code, intptr_t payload, const void* data) {
    if (!created_ || parent_ == nullptr) {
        return false;
    }
    Notification n{this, id_, code, payload, data};
    return parent_->OnNotify(n);
}

}  // namespace tarnui
