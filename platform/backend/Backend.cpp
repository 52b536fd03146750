#include "platform/backend/Backend.h"

#include "platform/backend/HeadlessBackend.h"

namespace tarnui {

namespace {
Backend* g_current = nullptr;

HeadlessBackend& DefaultBackend() {
    static HeadlessBackend backend;
    return backend;
}
}  // namespace

Backend& CurrentBackend() {
    return g_current != nullptr ? *g_current : DefaultBackend();
}

Backend* SetCurrentBackend(Backend* backend) {
    Backend* previous = g_current != nullptr ? g_current : &DefaultBackend();
    g_current = backend;
    return previous;
}

}  // namespace tarnui
