// A window: a node of the window tree with a client rectangle, text, visibility, enable
// state, focus, timers and messages. The C++ object and the window are separate: the object
// is owned by whoever made it; Create makes the window, DestroyWindow ends it (children
// first), and deleting a created object destroys its window too.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/commands/CommandTarget.h"
#include "platform/windows/Changes.h"
#include "platform/windows/Geometry.h"
#include "platform/windows/Keys.h"
#include "platform/windows/Messages.h"

namespace tarnui {

struct Font;

class Window : public CommandTarget {
public:
    Window();
    ~Window() override;

    // Makes the window as a child of `parent` (or a top-level window when null). Runs
    // OnCreate; when it returns false the window is destroyed again and Create fails.
    bool Create(Window* parent, const Rect& rect, int id = 0, uint32_t style = kWsVisible,
                std::string text = {});
    // Destroys every child (most recent first), then this window: OnDestroy runs while the
    // window still has its parent. Returns false when the window did not exist.
    bool DestroyWindow();
    bool IsCreated() const { return created_; }

    // Tree.
    Window* GetParent() const { return parent_; }
    const std::vector<Window*>& Children() const { return children_; }
    Window* GetDlgItem(int id) const;  // direct child with this identifier
    int GetDlgCtrlID() const { return id_; }
    void SetDlgCtrlID(int id) { id_ = id; }
    bool IsChildOf(const Window* ancestor) const;  // strict descendant

    // Messages. SendMessage runs the handler now; PostMessage queues it for PumpMessages.
    MessageResult SendMessage(MessageId msg, MessageParam w = 0, MessageParam l = 0);
    bool PostMessage(MessageId msg, MessageParam w = 0, MessageParam l = 0);
    // Delivers queued messages in order, including those posted meanwhile; messages for
    // windows destroyed in the meantime are dropped. Returns how many were delivered.
    static int PumpMessages();

    // Text and style.
    const std::string& GetWindowText() const { return text_; }
    virtual void SetWindowText(std::string text);
    uint32_t GetStyle() const { return style_; }
    void ModifyStyle(uint32_t remove, uint32_t add);

    // Geometry: the window rectangle is relative to the parent; the client area starts at 0.
    void MoveWindow(const Rect& rect);
    Rect GetWindowRect() const { return rect_; }
    Rect GetClientRect() const { return {0, 0, rect_.Width(), rect_.Height()}; }

    // Visibility: ShowWindow returns the previous own visibility; a window is visible on
    // screen only when it and all its ancestors are.
    bool ShowWindow(bool show);
    bool IsVisibleFlag() const { return (style_ & kWsVisible) != 0; }
    bool IsWindowVisible() const;

    // Enable state: EnableWindow returns whether the window was disabled before. A disabled
    // window loses the focus.
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const { return (style_ & kWsDisabled) == 0; }

    // Focus: one window of the process holds it. SetFocus returns the previous holder, or
    // null and changes nothing when this window cannot take the focus.
    Window* SetFocus();
    static Window* GetFocus();
    bool HasFocus() const { return GetFocus() == this; }

    // Timers are kept as state and handed to the backend (TimerSet, TimerKilled), which
    // calls FireTimer when one is due; a test may call FireTimer itself.
    int SetTimer(int timerId, unsigned intervalMs);
    bool KillTimer(int timerId);
    bool HasTimer(int timerId) const { return timers_.count(timerId) != 0; }
    const std::map<int, unsigned>& Timers() const { return timers_; }
    bool FireTimer(int timerId);  // runs OnTimer if the timer is set

    // Font: windows without their own take their parent's.
    void SetFont(const Font* font);
    const Font* GetFont() const;

    // Commands go to this window, then the explicit next target, else the parent window,
    // else the application.
    CommandTarget* NextCommandTarget() const override;

    // Change bookkeeping (Changes.h): advances the revision and tells the backend, once the
    // window exists. Controls call it from every operation that changes what is shown.
    void NotifyChanged(uint32_t changes);
    uint64_t Revision() const { return revision_; }

    // Sends a notification to the parent (see Notification.h); false when nobody handled it.
    bool NotifyParent(int code, intptr_t payload = 0, const void* data = nullptr);

protected:
    virtual bool OnCreate() { return true; }
    virtual void OnDestroy() {}
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual void OnTimer(int /*timerId*/) {}
    virtual void OnShowWindow(bool /*show*/) {}
    virtual void OnEnable(bool /*enable*/) {}
    virtual void OnSetFocus(Window* /*previous*/) {}
    virtual void OnKillFocus(Window* /*next*/) {}
    // A key while this window or one of its children holds the focus (Keys.h); returning
    // false passes it on to the parent.
    virtual bool OnKeyDown(const KeyEvent& /*key*/) { return false; }
    virtual bool OnKeyUp(const KeyEvent& /*key*/) { return false; }
    // Every message without a handler of its own, user messages included. Default: 0.
    virtual MessageResult OnMessage(MessageId msg, MessageParam w, MessageParam l);
    // A child's notification. Default: the notification handler table.
    virtual bool OnNotify(const Notification& n) { return HandleNotification(n); }
    // Whether the window can hold the focus (controls override; statics cannot).
    virtual bool CanTakeFocus() const { return true; }

private:
    friend class MessageQueue;
    MessageResult Dispatch(MessageId msg, MessageParam w, MessageParam l);
    void Unlink();

    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    int id_ = 0;
    uint32_t style_ = 0;
    std::string text_;
    Rect rect_;
    bool created_ = false;
    bool destroying_ = false;
    std::map<int, unsigned> timers_;
    const Font* font_ = nullptr;
    uint64_t revision_ = 0;
};

}  // namespace tarnui
