#include "platform/commands/Application.h"

namespace tarnui {

namespace {
Application* g_current = nullptr;
}

Application::Application(std::string title) : title_(std::move(title)) {}

Application::~Application() {
    if (g_current == this) {
        g_current = nullptr;
    }
}

Application* Application::Current() {
    return g_current;
}

void Application::SetCurrent(Application* app) {
    g_current = app;
}

}  // namespace tarnui
