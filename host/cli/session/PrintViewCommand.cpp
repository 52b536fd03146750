#include "host/cli/session/PrintViewCommand.h"

#include <optional>
#include <ostream>

#include "host/cli/HostSession.h"
#include "host/cli/session/FilterDialogAnswer.h"
#include "host/cli/session/MapSession.h"
#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/SessionBackend.h"
#include "host/cli/session/ViewActions.h"
#include "src/resources/ResourceIds.h"

namespace tarncli::session {
namespace {

struct PrintAction {
    std::string option;  // --click, --show-gaps, --show-zero-size, --section, --filter
    std::string value;
};

struct PrintArguments {
    const MapViewName* view = nullptr;
    std::string workspaceFile;
    std::string mapFile;
    std::vector<PrintAction> actions;
};

// Which view takes which option.
bool OptionFits(const std::string& option, const std::string& view) {
    if (option == "--click") {
        return view == "section-list" || view == "symbol-list";
    }
    if (option == "--show-gaps" || option == "--show-zero-size") {
        return view == "section-list";
    }
    return view == "symbol-list";  // --section, --filter
}

std::optional<PrintArguments> Parse(const std::vector<std::string>& args, std::string* error) {
    PrintArguments parsed;
    if (args.empty() || (parsed.view = FindMapViewName(args[0])) == nullptr) {
        *error = "print needs the view: " + MapViewNameList();
        return std::nullopt;
    }
    const std::string view = parsed.view->name;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool flag = option == "--show-gaps" || option == "--show-zero-size";
        const bool valued = option == "--workspace" || option == "--map" || option == "--click" ||
                            option == "--section" || option == "--filter";
        if (!flag && !valued) {
            *error = "unknown option " + option;
            return std::nullopt;
        }
        std::string value;
        if (valued) {
            if (i + 1 >= args.size()) {
                *error = "option " + option + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (option == "--workspace") {
            parsed.workspaceFile = value;
            continue;
        }
        if (option == "--map") {
            parsed.mapFile = value;
            continue;
        }
        if (!OptionFits(option, view)) {
            *error = "option " + option + " does not apply to " + view;
            return std::nullopt;
        }
        if (option == "--filter" && !ParseFilterOption(value, error)) {
            return std::nullopt;
        }
        parsed.actions.push_back({option, value});
    }
    if (parsed.mapFile.empty() == parsed.workspaceFile.empty()) {
        *error = "give exactly one of --map FILE or --workspace FILE";
        return std::nullopt;
    }
    return parsed;
}

ActionResult Apply(MapSession& session, SessionBackend& backend, const MapViewName& name,
                   const PrintAction& action) {
    CTarnDebugInstanceDataCtrlEx& view = *session.FindView(name.name);
    if (action.option == "--click") {
        return ClickColumn(view, action.value);
    }
    if (action.option == "--show-gaps") {
        return RunCommand(view, tarnres::kCmdShowUnallocatedArea);
    }
    if (action.option == "--show-zero-size") {
        return RunCommand(view, tarnres::kCmdShowNoSizeSection);
    }
    if (action.option == "--section") {
        // The section tree chooses the section of its symbol list.
        ActionResult chosen = ClickRow(*session.FindView("section-tree"), action.value);
        if (!chosen.IsDone()) {
            return ActionResult::Bad("--section: no section \"" + action.value + "\"");
        }
        return chosen;
    }
    QueueFilterDialog(backend.Script(), action.value);
    return RunCommand(view, tarnres::kCmdFilter);
}

}  // namespace

int RunPrintView(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = Parse(args, &error);
    if (!parsed) {
        err << "tarnmap: " << error << "\n";
        return 2;
    }
    auto host = parsed->mapFile.empty() ? OpenWorkspaceHost(parsed->workspaceFile, &error)
                                        : OpenListingHost(parsed->mapFile, &error);
    if (host == nullptr) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    for (const auto& warning : host->OpenWorkspace()->Warnings()) {
        err << "tarnmap: warning: " << warning << "\n";
    }
    SessionBackend backend;
    const tarnui::ScopedBackend use(backend);
    auto session = MapSession::Start(std::move(host), &error);
    if (session == nullptr || !session->OpenWindowFor(parsed->view->name, &error)) {
        err << "tarnmap: " << error << "\n";
        return 1;
    }
    for (const PrintAction& action : parsed->actions) {
        const ActionResult result = Apply(*session, backend, *parsed->view, action);
        if (result.outcome == ActionResult::Outcome::BadArgument) {
            err << "tarnmap: " << result.message << "\n";
            return 2;
        }
        if (result.outcome == ActionResult::Outcome::Refused) {
            err << "tarnmap: " << action.option << ": refused: " << result.message << "\n";
        }
        for (const auto& event : backend.EventsOf(tarnui::ShownKind::Refused)) {
            err << "tarnmap: " << action.option << ": " << event.text << "\n";
        }
        backend.ClearRecord();
    }
    std::string text;
    const ActionResult printed =
        PrintText(backend, *session->FindView(parsed->view->name), *parsed->view, &text);
    if (!printed.IsDone()) {
        err << "tarnmap: " << printed.message << "\n";
        return 1;
    }
    out << text;
    out.flush();
    if (!out) {
        err << "tarnmap: the output could not be written\n";
        return 1;
    }
    return 0;
}

}  // namespace tarncli::session
