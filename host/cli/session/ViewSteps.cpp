// Steps a person takes in the Map views: open, click, select, double-click, command, enabled
// and print.
#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/SessionBackend.h"
#include "host/cli/session/ViewActions.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace tarncli::session {
namespace {

using ViewAction = ActionResult (*)(CTarnDebugInstanceDataCtrlEx&, const std::string&);

// A refusal goes into the transcript; a bad argument stops the script.
std::string Report(ScriptContext& context, const ActionResult& result) {
    if (result.outcome == ActionResult::Outcome::BadArgument) {
        return result.message;
    }
    if (result.outcome == ActionResult::Outcome::Refused) {
        context.Note("refused: " + result.message);
    }
    return {};
}

ScriptStep OnView(std::string name, ViewAction action) {
    return {std::move(name),
            "VIEW " + std::string(action == &ClickColumn ? "COLUMN" : "ROW"),
            2,
            2,
            false,
            [action](ScriptContext& context, const StepArguments& args) {
                std::string error;
                const MapViewName* info = nullptr;
                CTarnDebugInstanceDataCtrlEx* view = context.View(args[0], &info, &error);
                return view == nullptr ? error : Report(context, action(*view, args[1]));
            }};
}

std::string Open(ScriptContext& context, const StepArguments& args) {
    std::string error;
    MapSession* session = context.Session(&error);
    if (session == nullptr) {
        return error;
    }
    if (FindMapViewName(args[0]) == nullptr) {
        return "no view \"" + args[0] + "\"; choose " + MapViewNameList();
    }
    if (session->FindView(args[0]) != nullptr) {
        context.Note("refused: the " + args[0] + " is open already");
        return {};
    }
    const size_t before = session->Sink().Views().size();
    if (!session->OpenWindowFor(args[0], &error)) {
        return error;
    }
    std::string opened;
    const auto& views = session->Sink().Views();
    for (size_t i = before; i < views.size(); ++i) {
        opened += (opened.empty() ? "" : ", ") + views[i]->Caption();
    }
    context.Note("opened " + opened);
    return {};
}

// The command a step names, with the view it goes to.
std::string WithCommand(ScriptContext& context, const StepArguments& args,
                        const std::function<void(CTarnDebugInstanceDataCtrlEx&, int)>& use) {
    std::string error;
    const MapViewName* info = nullptr;
    CTarnDebugInstanceDataCtrlEx* view = context.View(args[0], &info, &error);
    if (view == nullptr) {
        return error;
    }
    const int command = ResolveCommand(*info, args[1]);
    if (command == 0) {
        return "the " + args[0] + " has no command \"" + args[1] + "\"";
    }
    use(*view, command);
    return {};
}

std::string Command(ScriptContext& context, const StepArguments& args) {
    return WithCommand(context, args, [&context](CTarnDebugInstanceDataCtrlEx& view, int id) {
        Report(context, RunCommand(view, id));
    });
}

std::string Enabled(ScriptContext& context, const StepArguments& args) {
    return WithCommand(context, args, [&context](CTarnDebugInstanceDataCtrlEx& view, int id) {
        context.Note(std::to_string(id) + " " + CommandState(view, id));
    });
}

std::string Selected(ScriptContext& context, const StepArguments& args) {
    std::string error;
    const MapViewName* info = nullptr;
    CTarnDebugInstanceDataCtrlEx* view = context.View(args[0], &info, &error);
    if (view == nullptr) {
        return error;
    }
    const std::string selected = SelectedRow(*view);
    context.Note(selected.empty() ? "nothing selected" : "selected " + selected);
    return {};
}

std::string Print(ScriptContext& context, const StepArguments& args) {
    std::string error;
    const MapViewName* info = nullptr;
    CTarnDebugInstanceDataCtrlEx* view = context.View(args[0], &info, &error);
    if (view == nullptr) {
        return error;
    }
    std::string text;
    const ActionResult printed = PrintText(context.Backend(), *view, *info, &text);
    if (!printed.IsDone()) {
        return Report(context, printed);
    }
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        context.Note("| " + line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return {};
}

}  // namespace

void AddViewSteps(ScriptStepTable& table) {
    table.Add({"open", "VIEW", 1, 1, false, &Open});
    table.Add(OnView("click", &ClickColumn));
    table.Add(OnView("select", &ClickRow));
    table.Add(OnView("double-click", &DoubleClickRow));
    // With one argument the command is chosen from the host's menus.
    table.Add({"command", "[VIEW] ID|\"menu text\"", 1, 2, false,
               [](ScriptContext& context, const StepArguments& args) {
                   return args.size() == 1 ? RunHostCommand(context, args[0])
                                           : Command(context, args);
               }});
    table.Add({"enabled", "VIEW ID|\"menu text\"", 2, 2, false, &Enabled});
    table.Add({"selected", "VIEW", 1, 1, false, &Selected});
    table.Add({"print", "VIEW", 1, 1, false, &Print});
}

}  // namespace tarncli::session
