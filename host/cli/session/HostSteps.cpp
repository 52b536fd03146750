// Steps of whole sessions on the substitute host with the component loaded as the host loads
// it: "host", "open-workspace", "save-workspace", "close-workspace", "event", "option",
// "close-window", "hide-window", "window-command", "listing", "memory", "appearance",
// "print-command", "quit", and the host's menu commands ("command" with one argument). After
// each, the frames the host holds are shown when they changed.
#include <cstdio>
#include <filesystem>
#include <functional>

#include "host/cli/session/HostRequestNotes.h"
#include "host/cli/session/HostRun.h"
#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/SessionBackend.h"
#include "host/cli/session/ViewActions.h"
#include "platform/controls/ItemList.h"
#include "platform/controls/ListControl.h"
#include "platform/controls/TreeControl.h"
#include "src/resources/ResourceIds.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"

namespace tarncli::session {
namespace {

using HostAction = std::function<std::string(ScriptContext&, HostRun&, const StepArguments&)>;

void NoteWindowChanges(ScriptContext& context, HostRun& run) {
    std::vector<std::string> lines = run.WindowLines();
    if (lines == run.ShownWindowLines()) {
        return;
    }
    context.Note(lines.empty() ? "frames: none" : "frames:");
    for (const std::string& line : lines) {
        context.Note("  " + line);
    }
    run.ShownWindowLines() = std::move(lines);
}

// A step that needs the running host; the frames are shown after it when they changed.
ScriptStep OnHost(std::string name, std::string arguments, size_t min, size_t max,
                  HostAction action) {
    return {std::move(name),
            std::move(arguments),
            min,
            max,
            false,
            [action = std::move(action)](ScriptContext& context, const StepArguments& args) {
                std::string error;
                HostRun* run = context.Host(&error);
                if (run == nullptr) {
                    return error;
                }
                error = action(context, *run, args);
                // What the step made the host notice (new section settings taken from the
                // component, memory resources written) reaches the component afterwards.
                tarnui::Window::PumpMessages();
                run->Component().DeliverEvents();
                context.Backend().Flush();
                NoteWindowChanges(context, *run);
                return error;
            }};
}

// The menu text without "&" and without the accelerator after a tab.
std::string PlainMenuText(const std::string& text) {
    std::string plain;
    for (char c : text.substr(0, text.find('\t'))) {
        if (c != '&') {
            plain += c;
        }
    }
    return plain;
}

int FindMenuCommand(const std::vector<tarnui::MenuItemTemplate>& items, const std::string& text) {
    for (const auto& item : items) {
        if (item.command != 0 && tarnui::EqualsIgnoreCase(PlainMenuText(item.text), text)) {
            return item.command;
        }
        if (const int found = FindMenuCommand(item.items, text); found != 0) {
            return found;
        }
    }
    return 0;
}

int HostCommandId(HostRun& run, const std::string& text) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
        return std::stoi(text);
    }
    for (const auto& menu : run.Host().Docking().Menus()) {
        if (const int found = FindMenuCommand(menu.menu.items, text); found != 0) {
            return found;
        }
    }
    return 0;
}

std::string ExecuteHostCommand(ScriptContext& context, HostRun& run, const std::string& text) {
    const int command = HostCommandId(run, text);
    if (command == 0) {
        return "the host's menus have no command \"" + text + "\"";
    }
    if (!run.Host().Docking().QueryCommand(command).enabled ||
        !run.Host().Docking().ExecuteCommand(command)) {
        context.Note("refused: \"" + text + "\" is disabled");
    }
    return {};
}

// The print chooser as the host's print command reaches it: the chosen view's text is shown
// as the print would put it on paper.
std::string PrintCommand(ScriptContext& context, HostRun& run, const StepArguments&) {
    SessionBackend& backend = context.Backend();
    backend.Flush();
    backend.Script().PrintDialog(true);
    backend.BeginCapture();
    if (!run.Host().Docking().QueryCommand(tarnres::kCmdPrintChooser).enabled ||
        !run.Host().Docking().ExecuteCommand(tarnres::kCmdPrintChooser)) {
        context.Note("refused: \"Print...\" is disabled: no view can print");
    }
    std::string text;
    if (!backend.EndCapture(&text)) {
        backend.Script().TakePrintDialog();
        return {};
    }
    backend.Flush();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        context.Note("| " + text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return {};
}

constexpr const char* kWindowCaptions[] = {"Map Section Information", "Map Symbol Information"};

// The person closes (or hides) the Map window: each of its frames, first frame first.
std::string CloseOrHideWindow(ScriptContext& context, HostRun& run, const StepArguments& args,
                              bool hide) {
    std::string caption = args[0];
    if (caption == "0" || caption == "1") {
        caption = kWindowCaptions[caption == "1" ? 1 : 0];
    }
    std::vector<tarnui::Window*> panes;
    for (const auto& pane : run.Host().Docking().Panes()) {
        if (tarnui::EqualsIgnoreCase(pane->caption, caption)) {
            panes.push_back(pane->window.get());
        }
    }
    if (panes.empty()) {
        context.Note("refused: the host holds no frame \"" + caption + "\"");
        return {};
    }
    for (tarnui::Window* pane : panes) {
        if (hide) {
            run.Host().Docking().UserHidesPane(pane);
        } else {
            run.Host().Docking().UserClosesPane(pane);
        }
        tarnui::Window::PumpMessages();
    }
    return {};
}

// The linker writes a new map listing: the file's text replaces the workspace's listing.
std::string WriteListing(ScriptContext& context, HostRun& run, const StepArguments& args) {
    const tarnhost::Workspace* workspace = run.Host().OpenWorkspace();
    if (workspace == nullptr) {
        return "no workspace is open";
    }
    const std::string target = workspace->MapListingPath();
    if (target.empty() || target.find("$(") != std::string::npos) {
        return "the workspace's map listing is not a plain path: " + target;
    }
    std::error_code ec;
    std::filesystem::copy_file(context.ResolvePath(args[0]), target,
                               std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? args[0] + ": cannot be copied to the listing: " + ec.message() : std::string();
}

// The host's device settings: with a text, the person replaces the workspace's memory resource
// description (the host raises no event of its own); without one, the stored description is
// shown, as the component last wrote it back.
std::string MemoryDescription(ScriptContext& context, HostRun& run, const StepArguments& args) {
    tarnhost::Workspace* workspace = run.Host().OpenWorkspace();
    if (workspace == nullptr) {
        return "no workspace is open";
    }
    if (args.empty()) {
        context.Note("memory " + workspace->MemoryDescription());
        return {};
    }
    std::string error;
    workspace->SetMemoryDescription(args[0], &error);
    return error;
}

// A command from the menu of one of the host's windows, found by the caption it shows.
std::string WindowCommand(ScriptContext& context, HostRun& run, const StepArguments& args) {
    if (args[1].empty() || args[1].find_first_not_of("0123456789") != std::string::npos) {
        return "window-command needs a command number, not \"" + args[1] + "\"";
    }
    const int command = std::stoi(args[1]);
    for (const auto& pane : run.Host().Docking().Panes()) {
        for (tarnui::Window* window : pane->window->Children()) {
            if (!tarnui::EqualsIgnoreCase(window->GetWindowText(), args[0])) {
                continue;
            }
            if (auto* view = dynamic_cast<CTarnDebugInstanceDataCtrlEx*>(window)) {
                OpenViewMenu(*view);
            }
            const tarnui::CommandUI ui = window->QueryCommand(command);
            if (!ui.handled || !ui.enabled || !window->ExecuteCommand(command)) {
                context.Note("refused: " + args[1] + " is disabled in " + args[0]);
            }
            return {};
        }
    }
    context.Note("refused: the host holds no window \"" + args[0] + "\"");
    return {};
}

std::string ColourText(tarnui::Color colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}

// What a person sees of each window's text: the font of its list or tree and the colours of
// its text and background.
std::string Appearance(ScriptContext& context, HostRun& run, const StepArguments&) {
    for (const auto& pane : run.Host().Docking().Panes()) {
        for (const tarnui::Window* window : pane->window->Children()) {
            for (const tarnui::Window* control : window->Children()) {
                std::string line;
                if (const auto* list = dynamic_cast<const tarnui::ListControl*>(control)) {
                    const tarnui::Font* font = list->GetFont();
                    line = "font \"" + (font != nullptr ? font->face : std::string()) + "\" " +
                           std::to_string(font != nullptr ? font->height : 0) + ", text " +
                           ColourText(list->GetTextColor()) + " on " +
                           ColourText(list->GetTextBkColor());
                } else if (const auto* tree = dynamic_cast<const tarnui::TreeControl*>(control)) {
                    const tarnui::Font& font = tree->GetItemFont();
                    line = "font \"" + font.face + "\" " + std::to_string(font.height) + ", text " +
                           ColourText(tree->GetTextColor()) + " on " +
                           ColourText(tree->GetTextBkColor());
                } else {
                    continue;
                }
                context.Note(window->GetWindowText() + ": " + line);
            }
        }
    }
    return {};
}

}  // namespace

std::string RunHostCommand(ScriptContext& context, const std::string& command) {
    std::string error;
    HostRun* run = context.Host(&error);
    if (run == nullptr) {
        return error;
    }
    error = ExecuteHostCommand(context, *run, command);
    tarnui::Window::PumpMessages();
    run->Component().DeliverEvents();
    context.Backend().Flush();
    NoteWindowChanges(context, *run);
    return error;
}

void AddHostSteps(ScriptStepTable& table) {
    table.Add({"host", "", 0, 0, false, [](ScriptContext& context, const StepArguments&) {
                   std::string error;
                   context.SetHostRun(nullptr);
                   auto run = HostRun::Start(&error);
                   if (run == nullptr) {
                       return error;
                   }
                   context.Note("started " + std::string("component version ") +
                                std::to_string(run->Component().MajorVersion()) + "." +
                                std::to_string(run->Component().MinorVersion()));
                   NoteHostRequests(context, run->Host());
                   context.SetHostRun(std::move(run));
                   return std::string();
               }});
    table.Add(OnHost("open-workspace", "FILE", 1, 1,
                     [](ScriptContext& context, HostRun& run, const StepArguments& args) {
                         std::string error;
                         run.OpenWorkspace(context.ResolvePath(args[0]), &error);
                         return error;
                     }));
    table.Add(
        OnHost("save-workspace", "", 0, 0, [](ScriptContext&, HostRun& run, const StepArguments&) {
            std::string error;
            run.SaveWorkspace(&error);
            return error;
        }));
    table.Add(
        OnHost("close-workspace", "", 0, 0, [](ScriptContext&, HostRun& run, const StepArguments&) {
            std::string error;
            run.CloseWorkspace(&error);
            return error;
        }));
    table.Add(
        OnHost("event", "NAME", 1, 1, [](ScriptContext&, HostRun& run, const StepArguments& args) {
            return run.RaiseEvent(args[0])
                       ? std::string()
                       : "no event \"" + args[0] + "\"; choose " + HostRun::EventNames();
        }));
    table.Add(OnHost("option", "NAME VALUE", 2, 2,
                     [](ScriptContext&, HostRun& run, const StepArguments& args) {
                         std::string error;
                         run.SetOption(args[0], args[1], &error);
                         return error;
                     }));
    table.Add(OnHost("window-command", "CAPTION ID", 2, 2, &WindowCommand));
    table.Add(OnHost("appearance", "", 0, 0, &Appearance));
    table.Add(OnHost("listing", "FILE", 1, 1, &WriteListing));
    table.Add(OnHost("memory", "[DESCRIPTION]", 0, 1, &MemoryDescription));
    table.Add(OnHost("close-window", "TYPE", 1, 1,
                     [](ScriptContext& context, HostRun& run, const StepArguments& args) {
                         return CloseOrHideWindow(context, run, args, false);
                     }));
    table.Add(OnHost("hide-window", "TYPE", 1, 1,
                     [](ScriptContext& context, HostRun& run, const StepArguments& args) {
                         return CloseOrHideWindow(context, run, args, true);
                     }));
    table.Add(OnHost("print-command", "", 0, 0, &PrintCommand));
    table.Add({"quit", "", 0, 0, false, [](ScriptContext& context, const StepArguments&) {
                   std::string error;
                   if (context.Host(&error) == nullptr) {
                       return error;
                   }
                   context.SetHostRun(nullptr);
                   context.Note("component stopped");
                   return std::string();
               }});
}

}  // namespace tarncli::session
