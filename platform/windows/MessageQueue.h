// The process's queue of posted messages (one user-interface thread, no locking).
#pragma once

#include "platform/windows/Messages.h"

namespace tarnui {

class Window;

class MessageQueue {
public:
    static void Post(Window* target, MessageId msg, MessageParam w, MessageParam l);
    static int Pump();
    static void Purge(const Window* target);  // the window is going away
    static int Pending();
};

}  // namespace tarnui
