#include "platform/windows/MessageQueue.h"

#include <deque>

#include "platform/backend/Backend.h"
#include "platform/windows/Window.h"

namespace tarnui {

namespace {
struct Posted {
    Window* target;
    MessageId msg;
    MessageParam w, l;
};
std::deque<Posted>& Queue() {
    static std::deque<Posted> queue;
    return queue;
}
}  // namespace

void MessageQueue::Post(Window* target, MessageId msg, MessageParam w, MessageParam l) {
    const bool wasEmpty = Queue().empty();
    Queue().push_back({target, msg, w, l});
    if (wasEmpty) {
        // One call per batch: the backend pumps everything queued until then.
        CurrentBackend().MessagesPosted();
    }
}

int MessageQueue::Pump() {
    int delivered = 0;
    while (!Queue().empty()) {
        Posted p = Queue().front();
        Queue().pop_front();
        // Purge removes the entries of destroyed windows, so the target is alive here.
        p.target->Dispatch(p.msg, p.w, p.l);
        ++delivered;
    }
    return delivered;
}

void MessageQueue::Purge(const Window* target) {
    auto& q = Queue();
    std::erase_if(q, [target](const Posted& p) { return p.target == target; });
}

int MessageQueue::Pending() {
    return static_cast<int>(Queue().size());
}

}  // namespace tarnui
