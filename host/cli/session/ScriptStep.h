// The script language's steps and what they work on. Each step is an entry of a table (a
// name, its arguments and the code that runs it), so that further steps join by adding
// entries (ScriptSteps.cpp) without touching the interpreter.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/HeadlessScript.h"

class CTarnDebugInstanceDataCtrlEx;

namespace tarncli::session {

class MapSession;
class HostRun;
class SessionBackend;
struct MapViewName;

// What the steps of one script share: the backend that answers and writes the transcript, the
// Map session once a workspace step started it, and the answers being queued for a dialog.
class ScriptContext {
public:
    ScriptContext(SessionBackend& backend, std::string scriptDir);
    ~ScriptContext();

    SessionBackend& Backend() { return backend_; }
    // A path of the script: relative ones are taken from the script's directory.
    std::string ResolvePath(const std::string& path) const;

    // Replaces the session (null closes it, views first).
    void SetSession(std::unique_ptr<MapSession> session);
    // Null, with the reason, before a workspace or map step.
    MapSession* Session(std::string* error);
    // Replaces the host run (null stops it); null with the reason before a "host" step.
    void SetHostRun(std::unique_ptr<HostRun> run);
    HostRun* Host(std::string* error);

    // The open view of that name; null with the reason when the name is unknown or the view
    // is not open.
    CTarnDebugInstanceDataCtrlEx* View(const std::string& name, const MapViewName** info,
                                       std::string* error);

    // The answers for the next dialog of that template: consecutive dialog steps with one
    // template number add to the same answers.
    tarnui::DialogScript& DialogAnswers(int templateId);
    // Every step that is not a dialog answer ends the run of dialog steps.
    void EndDialogAnswers() { dialogAnswers_ = nullptr; }

    // A line of the transcript after what the person saw so far.
    void Note(const std::string& text);

private:
    SessionBackend& backend_;
    std::string scriptDir_;
    std::unique_ptr<MapSession> session_;
    std::unique_ptr<HostRun> hostRun_;
    tarnui::DialogScript* dialogAnswers_ = nullptr;
};

using StepArguments = std::vector<std::string>;

struct ScriptStep {
    std::string name;
    std::string arguments;  // for messages, e.g. "VIEW COLUMN"
    size_t minArguments = 0;
    size_t maxArguments = 0;
    bool continuesDialogAnswers = false;
    // Runs the step; returns "" or why the script cannot go on (a bad argument). What the
    // view refused is written to the transcript and is no error.
    std::function<std::string(ScriptContext&, const StepArguments&)> run;
};

class ScriptStepTable {
public:
    void Add(ScriptStep step);
    const ScriptStep* Find(const std::string& name) const;
    const std::vector<ScriptStep>& Steps() const { return steps_; }

private:
    std::vector<ScriptStep> steps_;
};

// The steps of each part of the language.
void AddSessionSteps(ScriptStepTable& table);
void AddViewSteps(ScriptStepTable& table);
void AddAnswerSteps(ScriptStepTable& table);
void AddHostSteps(ScriptStepTable& table);
// A command of the host's menus, by number or menu text, as a person chooses it there.
std::string RunHostCommand(ScriptContext& context, const std::string& command);
void AddEditorSteps(ScriptStepTable& table);
// Every step the language has.
const ScriptStepTable& StandardScriptSteps();

}  // namespace tarncli::session
