#include "host/cli/session/HostRun.h"

#include <charconv>

#include "host/cli/HostSession.h"
#include "host/lib/DisplayOptions.h"
#include "host/lib/WorkspaceClients.h"
#include "src/shell/HostIds.h"

namespace tarncli::session {
namespace {

struct NamedEvent {
    const char* name;
    const TarnId* id;
};
constexpr NamedEvent kEvents[] = {
    {"lock-on", &kIdEventHostLockOn},
    {"lock-off", &kIdEventHostLockOff},
    {"sections-changed", &kIdEventSectionSettingsChanged},
    // The host has five events for changed memory resources; the short name is the first.
    {"memory-changed", &kIdEventMemoryResourcesChanged1},
    {"memory-changed-1", &kIdEventMemoryResourcesChanged1},
    {"memory-changed-2", &kIdEventMemoryResourcesChanged2},
    {"memory-changed-3", &kIdEventMemoryResourcesChanged3},
    {"memory-changed-4", &kIdEventMemoryResourcesChanged4},
    {"memory-changed-5", &kIdEventMemoryResourcesChanged5},
    {"options-changed", &kIdEventLinkerOptionsChanged},
};

bool ParseNumber(const std::string& text, int32_t* value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, *value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

}  // namespace

std::unique_ptr<HostRun> HostRun::Start(std::string* error) {
    auto host = MakeHost(nullptr, error);
    if (host == nullptr) {
        return nullptr;
    }
    std::unique_ptr<HostRun> run(new HostRun());
    run->host_ = std::move(host);
    run->component_ = std::make_unique<tarnhost::ComponentSession>(
        *run->host_, tarnhost::ComponentLoader::DefaultLibraryPath());
    if (!run->component_->Start()) {
        *error = "the component did not start: " + run->component_->Loader().LastFailure();
        return nullptr;
    }
    return run;
}

HostRun::~HostRun() {
    if (host_ != nullptr && host_->OpenWorkspace() != nullptr) {
        std::string ignored;
        CloseWorkspace(&ignored);
    }
    component_.reset();
    host_.reset();
}

bool HostRun::OpenWorkspace(const std::string& file, std::string* error) {
    auto workspace = tarnhost::Workspace::Open(file, error);
    if (workspace == nullptr) {
        return false;
    }
    if (host_->OpenWorkspace() != nullptr && !CloseWorkspace(error)) {
        return false;
    }
    host_->SetWorkspace(std::move(workspace));
    tarnhost::TellWorkspaceOpened(*host_);
    component_->DeliverEvents();
    return true;
}

// The host lets every client settle its edits first; a negative answer stops the save.
bool HostRun::SaveWorkspace(std::string* error) {
    const bool saved = tarnhost::SaveWorkspace(*host_, error);
    component_->DeliverEvents();
    return saved;
}

// Before closing, the host asks whether some client holds unsaved changes and lets the clients
// settle them (the component asks the person itself); a negative answer keeps the workspace
// open.
bool HostRun::CloseWorkspace(std::string* error) {
    if (host_->OpenWorkspace() == nullptr) {
        *error = "no workspace is open";
        return false;
    }
    if (tarnhost::HasUnsavedEdits(*host_) && !tarnhost::SettleEdits(*host_)) {
        component_->DeliverEvents();
        *error = "the component kept the workspace open";
        return false;
    }
    tarnhost::TellWorkspaceClosing(*host_);
    host_->SetWorkspace(nullptr);
    component_->DeliverEvents();
    return true;
}

bool HostRun::RaiseEvent(const std::string& name) {
    for (const NamedEvent& event : kEvents) {
        if (name == event.name) {
            component_->PostEvent(*event.id);
            component_->DeliverEvents();
            return true;
        }
    }
    return false;
}

std::string HostRun::EventNames() {
    std::string names;
    for (const NamedEvent& event : kEvents) {
        names += names.empty() ? "" : ", ";
        names += event.name;
    }
    return names;
}

bool HostRun::SetOption(const std::string& name, const std::string& value, std::string* error) {
    std::optional<tarnhost::DisplayOptions> options = tarnhost::ReadDisplayOptions(*host_);
    if (!options) {
        return true;  // no component shows views to set them for
    }
    int32_t number = 0;
    const bool numeric = ParseNumber(value, &number);
    if (name == "TARN_MAP_FONT_NAME") {
        options->fontName = value;
    } else if (name == "TARN_MAP_FONT_SIZE" && numeric) {
        options->fontSize = number;
    } else if (name == "TARN_MAP_FGCOLOUR" && numeric) {
        options->foreground = number;
    } else if (name == "TARN_MAP_BKCOLOUR" && numeric) {
        options->background = number;
    } else {
        *error = "option " + name + " " + value +
                 ": choose TARN_MAP_FONT_NAME TEXT, TARN_MAP_FONT_SIZE, TARN_MAP_FGCOLOUR or "
                 "TARN_MAP_BKCOLOUR NUMBER";
        return false;
    }
    tarnhost::ApplyDisplayOptions(*host_, *options);
    return true;
}

std::vector<std::string> HostRun::WindowLines() const {
    std::vector<std::string> lines;
    for (const auto& pane : host_->Docking().Panes()) {
        std::string line = "frame \"" + pane->caption + "\" " +
                           (pane->dockBar != 0 ? "docked" : "document") + ", " +
                           ((pane->state & kFrameShown) != 0 ? "shown" : "hidden");
        std::string inside;
        for (const tarnui::Window* child : pane->window->Children()) {
            inside += inside.empty() ? "" : ", ";
            inside += child->GetWindowText();
        }
        if (!inside.empty()) {
            line += ": " + inside;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tarncli::session
