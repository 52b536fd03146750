#include "host/cli/session/ScriptStep.h"

#include <filesystem>

#include "host/cli/session/HostRun.h"
#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/SessionBackend.h"

namespace tarncli::session {

ScriptContext::ScriptContext(SessionBackend& backend, std::string scriptDir)
    : backend_(backend), scriptDir_(std::move(scriptDir)) {}

// The host run stops after the in-process session, each closing its own views.
ScriptContext::~ScriptContext() {
    session_.reset();
    hostRun_.reset();
}

std::string ScriptContext::ResolvePath(const std::string& path) const {
    const std::filesystem::path p(path);
    return p.is_absolute() ? path
                           : (std::filesystem::path(scriptDir_) / p).lexically_normal().string();
}

void ScriptContext::SetSession(std::unique_ptr<MapSession> session) {
    session_ = std::move(session);
    if (session_ != nullptr) {
        session_->MakeResourcesCurrent();
    }
}

void ScriptContext::SetHostRun(std::unique_ptr<HostRun> run) {
    hostRun_.reset();
    hostRun_ = std::move(run);
}

HostRun* ScriptContext::Host(std::string* error) {
    if (hostRun_ == nullptr) {
        *error = "no host yet: start with \"host\"";
    }
    return hostRun_.get();
}

MapSession* ScriptContext::Session(std::string* error) {
    if (session_ == nullptr) {
        *error = "no workspace yet: start with \"workspace FILE\" or \"map FILE\"";
    }
    return session_.get();
}

CTarnDebugInstanceDataCtrlEx* ScriptContext::View(const std::string& name, const MapViewName** info,
                                                  std::string* error) {
    MapSession* session = Session(error);
    if (session == nullptr) {
        return nullptr;
    }
    *info = FindMapViewName(name);
    if (*info == nullptr) {
        *error = "no view \"" + name + "\"; choose " + MapViewNameList();
        return nullptr;
    }
    CTarnDebugInstanceDataCtrlEx* view = session->FindView(name);
    if (view == nullptr) {
        *error = "the " + name + " is not open";
    }
    return view;
}

tarnui::DialogScript& ScriptContext::DialogAnswers(int templateId) {
    if (dialogAnswers_ == nullptr || dialogAnswers_->TemplateId() != templateId) {
        dialogAnswers_ = &backend_.Script().Dialog(templateId);
    }
    return *dialogAnswers_;
}

void ScriptContext::Note(const std::string& text) {
    backend_.Note(text);
}

void ScriptStepTable::Add(ScriptStep step) {
    steps_.push_back(std::move(step));
}

const ScriptStep* ScriptStepTable::Find(const std::string& name) const {
    for (const ScriptStep& step : steps_) {
        if (step.name == name) {
            return &step;
        }
    }
    return nullptr;
}

const ScriptStepTable& StandardScriptSteps() {
    static const ScriptStepTable table = [] {
        ScriptStepTable steps;
        AddSessionSteps(steps);
        AddViewSteps(steps);
        AddAnswerSteps(steps);
        AddHostSteps(steps);
        AddEditorSteps(steps);
        return steps;
    }();
    return table;
}

}  // namespace tarncli::session
