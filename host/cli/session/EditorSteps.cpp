// Steps a person takes in the section setting tree: edit mode, the tree's keys, dragging a
// node onto another, and a look at every node with its kind.
#include <utility>

#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/ViewActions.h"
#include "platform/windows/Cursor.h"
#include "platform/windows/Keys.h"
#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/resources/ResourceIds.h"
#include "src/views/CTarnMapListInstanceCtrl.h"

namespace tarncli::session {
namespace {

using SettingTree = CTarnMapSectionSettingTreeInstanceCtrl;

SettingTree* TreeView(ScriptContext& context, const std::string& name, std::string* error) {
    const MapViewName* info = nullptr;
    CTarnDebugInstanceDataCtrlEx* view = context.View(name, &info, error);
    auto* tree = dynamic_cast<SettingTree*>(view);
    if (view != nullptr && tree == nullptr) {
        *error = "the " + name + " is not a section setting tree";
    }
    return tree;
}

// The key and its modifiers from "Delete", "F2", "Enter", "Ctrl+X", "Ctrl+Up", ...
bool ParseKey(std::string text, tarnui::KeyEvent* key) {
    static const std::pair<const char*, uint32_t> kNamed[] = {
        {"Delete", tarnui::kKeyDelete}, {"Enter", tarnui::kKeyReturn},
        {"F2", tarnui::kKeyF2},         {"Escape", tarnui::kKeyEscape},
        {"Up", tarnui::kKeyUp},         {"Down", tarnui::kKeyDown},
        {"Left", tarnui::kKeyLeft},     {"Right", tarnui::kKeyRight},
        {"PageUp", tarnui::kKeyPageUp}, {"PageDown", tarnui::kKeyPageDown},
        {"Home", tarnui::kKeyHome},     {"End", tarnui::kKeyEnd},
    };
    key->modifiers = tarnui::kModNone;
    for (const auto& [prefix, modifier] :
         {std::pair{"Ctrl+", tarnui::kModControl}, std::pair{"Shift+", tarnui::kModShift}}) {
        const std::string mark = prefix;
        if (text.compare(0, mark.size(), mark) == 0) {
            key->modifiers |= modifier;
            text.erase(0, mark.size());
        }
    }
    for (const auto& [name, code] : kNamed) {
        if (text == name) {
            key->key = code;
            return true;
        }
    }
    if (text.size() == 1 &&
        ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= '0' && text[0] <= '9'))) {
        key->key = static_cast<uint8_t>(text[0]);
        return true;
    }
    return false;
}

std::string EditMode(ScriptContext& context, const StepArguments& args) {
    std::string error;
    SettingTree* tree = TreeView(context, "section-settings", &error);
    if (tree == nullptr) {
        return error;
    }
    if (args[0] != "on" && args[0] != "off") {
        return "edit-mode is on or off, not \"" + args[0] + "\"";
    }
    if (tree->EditMode() != (args[0] == "on")) {
        const ActionResult result = RunCommand(*tree, tarnres::kCmdSectionEditMode);
        if (!result.IsDone()) {
            context.Note("refused: " + result.message);
        }
    }
    context.Note(std::string("edit mode ") + (tree->EditMode() ? "on" : "off") +
                 (tree->Modified() ? ", modified" : ""));
    return {};
}

std::string Key(ScriptContext& context, const StepArguments& args) {
    std::string error;
    const MapViewName* info = nullptr;
    CTarnDebugInstanceDataCtrlEx* view = context.View(args[0], &info, &error);
    if (view == nullptr) {
        return error;
    }
    tarnui::KeyEvent key;
    if (!ParseKey(args[1], &key)) {
        return "no key \"" + args[1] +
               "\"; name Delete, Enter, F2, Escape, Up, Down, Left, Right, PageUp, PageDown, "
               "Home, End, a letter, with Ctrl+ or Shift+ before it";
    }
    // The key goes to the view's list or tree, as when it holds the focus on screen.
    if (auto* tree = dynamic_cast<CTarnMapTreeInstanceCtrl*>(view)) {
        tree->TreeCtrl().SetFocus();
    } else if (auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(view)) {
        list->List().SetFocus();
    }
    if (!tarnui::PressKey(key.key, key.modifiers)) {
        context.Note("refused: the " + args[0] + " took no " + args[1]);
    }
    return {};
}

std::string Drag(ScriptContext& context, const StepArguments& args) {
    std::string error;
    SettingTree* tree = TreeView(context, args[0], &error);
    if (tree == nullptr) {
        return error;
    }
    CMapTreeCtrl& control = tree->TreeCtrl();
    const tarnui::TreeItem from = ShowTreePath(control, args[1]);
    const tarnui::TreeItem to = ShowTreePath(control, args[2]);
    if (from == 0 || to == 0) {
        return "the tree has no item \"" + (from == 0 ? args[1] : args[2]) + "\"";
    }
    control.EnsureVisible(from);
    const tarnui::Cursor before = tarnui::GetCursor();
    if (!control.BeginDrag(from) || !tree->IsDragging()) {
        control.CancelDrag();
        context.Note("refused: \"" + args[1] + "\" cannot be dragged");
        return {};
    }
    control.EnsureVisible(to);
    const tarnui::Rect label = control.GetItemRect(to, true);
    const tarnui::Point target{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    control.DragOver(target);
    if (tarnui::GetCursor().id == tarnres::kCursorNoDrop) {
        context.Note("no-drop cursor over \"" + args[2] + "\"");
    }
    control.Drop(target);
    if (tarnui::GetCursor() != before) {
        context.Note("the drag left cursor " + std::to_string(tarnui::GetCursor().id));
    }
    return {};
}

void AddNodes(ScriptContext& context, const SettingTree& tree, tarnui::TreeItem item, int depth) {
    const CMapTreeCtrl& control = tree.TreeCtrl();
    for (; item != 0; item = control.GetNextSiblingItem(item)) {
        int kind = 0;
        int selected = 0;
        control.GetItemImage(item, kind, selected);
        context.Note(std::string(static_cast<size_t>(depth) * 2, ' ') + std::to_string(kind) +
                     (control.GetSelectedItem() == item ? "*" : " ") + control.GetItemText(item));
        AddNodes(context, tree, control.GetChildItem(item), depth + 1);
    }
}

std::string Nodes(ScriptContext& context, const StepArguments& args) {
    std::string error;
    SettingTree* tree = TreeView(context, args[0], &error);
    if (tree == nullptr) {
        return error;
    }
    AddNodes(context, *tree, tree->TreeCtrl().GetRootItem(), 0);
    return {};
}

}  // namespace

void AddEditorSteps(ScriptStepTable& table) {
    table.Add({"edit-mode", "on|off", 1, 1, false, &EditMode});
    table.Add({"key", "VIEW KEY", 2, 2, false, &Key});
    table.Add({"drag", "VIEW FROM TO", 3, 3, false, &Drag});
    table.Add({"nodes", "VIEW", 1, 1, false, &Nodes});
}

}  // namespace tarncli::session
