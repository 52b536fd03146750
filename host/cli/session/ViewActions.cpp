#include "host/cli/session/ViewActions.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "host/cli/session/MapViewNames.h"
#include "host/cli/session/SessionBackend.h"
#include "platform/menus/Menu.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/views/CTarnMapListInstanceCtrl.h"
#include "src/views/CTarnMapTreeInstanceCtrl.h"

namespace tarncli::session {
namespace {

// A decimal number from 0 up, or -1.
int Index(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(text);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The item of the rows shown whose text, or text after " : ", is the given one; or the
// shown row of that index.
tarnui::TreeItem FindTreeRow(const CMapTreeCtrl& tree, const std::string& row) {
    const int index = Index(row);
    int n = 0;
    for (tarnui::TreeItem item = tree.GetRootItem(); item != 0;
         item = tree.GetNextVisibleItem(item), ++n) {
        const std::string text = tree.GetItemText(item);
        const size_t mark = text.find(" : ");
        if (n == index || text == row ||
            (mark != std::string::npos && text.compare(mark + 3, std::string::npos, row) == 0)) {
            return item;
        }
    }
    return 0;
}

}  // namespace

tarnui::TreeItem ShowTreePath(CMapTreeCtrl& tree, const std::string& path) {
    tarnui::TreeItem item = 0;
    size_t begin = 0;
    while (begin <= path.size()) {
        const size_t end = std::min(path.find('/', begin), path.size());
        const std::string step = path.substr(begin, end - begin);
        begin = end + 1;
        if (item != 0) {
            tree.Expand(item, tarnui::TreeExpand::Expand);
        }
        tarnui::TreeItem child = item == 0 ? tree.GetRootItem() : tree.GetChildItem(item);
        const int index = Index(step);
        for (int n = 0; child != 0 && n != index && tree.GetItemText(child) != step; ++n) {
            child = tree.GetNextSiblingItem(child);
        }
        if (child == 0) {
            return 0;
        }
        item = child;
    }
    return item;
}

namespace {

int FindMenuCommand(const tarnui::Menu& menu, const std::string& text) {
    for (int i = 0; i < menu.Count(); ++i) {
        const tarnui::Menu::Item& item = menu.At(i);
        if (item.submenu != nullptr) {
            if (const int found = FindMenuCommand(*item.submenu, text)) {
                return found;
            }
        } else if (!item.separator && SameIgnoringCase(tarnui::MenuDisplayText(item.text), text)) {
            return item.command;
        }
    }
    return 0;
}

template <class Act>
ActionResult OnRow(CTarnDebugInstanceDataCtrlEx& view, const std::string& row, Act act) {
    if (auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(&view)) {
        const int index = Index(row);
        if (index < 0) {
            return ActionResult::Bad("a row of a list is a number, not \"" + row + "\"");
        }
        if (index >= list->List().GetItemCount()) {
            return ActionResult::Refused("the list has no row " + row);
        }
        return act(list->List(), index) ? ActionResult::Done()
                                        : ActionResult::Refused("row " + row + " took no click");
    }
    if (auto* tree = dynamic_cast<CTarnMapTreeInstanceCtrl*>(&view)) {
        const tarnui::TreeItem item = row.find('/') != std::string::npos
                                          ? ShowTreePath(tree->TreeCtrl(), row)
                                          : FindTreeRow(tree->TreeCtrl(), row);
        if (item == 0) {
            return ActionResult::Refused("the tree shows no item \"" + row + "\"");
        }
        return act(tree->TreeCtrl(), item) ? ActionResult::Done()
                                           : ActionResult::Refused("\"" + row + "\" took no click");
    }
    return ActionResult::Bad("the view has no rows");
}

}  // namespace

ActionResult ClickColumn(CTarnDebugInstanceDataCtrlEx& view, const std::string& column) {
    auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(&view);
    if (list == nullptr) {
        return ActionResult::Bad("only a list has column headers to click");
    }
    const int index = Index(column);
    if (index < 0 || index >= list->List().GetColumnCount()) {
        return ActionResult::Bad("no column \"" + column + "\"; the list has columns 0 to " +
                                 std::to_string(list->List().GetColumnCount() - 1));
    }
    return list->List().ClickColumnHeader(index)
               ? ActionResult::Done()
               : ActionResult::Refused("the header of column " + column + " took no click");
}

ActionResult ClickRow(CTarnDebugInstanceDataCtrlEx& view, const std::string& row) {
    return OnRow(view, row, [](auto& control, auto at) { return control.ClickItem(at); });
}

ActionResult DoubleClickRow(CTarnDebugInstanceDataCtrlEx& view, const std::string& row) {
    return OnRow(view, row, [](auto& control, auto at) { return control.DoubleClickItem(at); });
}

std::string SelectedRow(CTarnDebugInstanceDataCtrlEx& view) {
    if (auto* list = dynamic_cast<CTarnMapListInstanceCtrl*>(&view)) {
        const int row = list->List().GetNextItem(-1, tarnui::kLvniSelected);
        if (row >= 0) {
            return "row " + std::to_string(row) + ": " + list->List().GetItemText(row, 0);
        }
    } else if (auto* tree = dynamic_cast<CTarnMapTreeInstanceCtrl*>(&view)) {
        const tarnui::TreeItem item = tree->TreeCtrl().GetSelectedItem();
        if (item != 0) {
            return "item \"" + tree->TreeCtrl().GetItemText(item) + "\"";
        }
    }
    return {};
}

int ResolveCommand(const MapViewName& name, const std::string& command) {
    if (const int number = Index(command); number > 0) {
        return number;
    }
    const ScopedComponentState resources;
    const std::unique_ptr<tarnui::Menu> menu = tarnui::Menu::Load(name.menu);
    return menu != nullptr ? FindMenuCommand(*menu, command) : 0;
}

namespace {

void UpdateMenuItems(CTarnDebugInstanceDataCtrlEx& view, const tarnui::Menu& menu) {
    for (int i = 0; i < menu.Count(); ++i) {
        const tarnui::Menu::Item& item = menu.At(i);
        if (item.submenu != nullptr) {
            UpdateMenuItems(view, *item.submenu);
        } else if (!item.separator && item.command != 0) {
            view.QueryCommand(item.command);
        }
    }
}

}  // namespace

void OpenViewMenu(CTarnDebugInstanceDataCtrlEx& view) {
    const MapViewName* name = FindMapViewKind(view.Kind());
    if (name == nullptr) {
        return;
    }
    std::unique_ptr<tarnui::Menu> menu;
    {
        const ScopedComponentState resources;
        menu = tarnui::Menu::Load(name->menu);
    }
    if (menu != nullptr) {
        UpdateMenuItems(view, *menu);
    }
}

ActionResult RunCommand(CTarnDebugInstanceDataCtrlEx& view, int command) {
    // A choice from the menu: opening it updates every item first.
    OpenViewMenu(view);
    if (!view.QueryCommand(command).enabled) {
        return ActionResult::Refused("command " + std::to_string(command) + " is disabled");
    }
    return view.ExecuteCommand(command)
               ? ActionResult::Done()
               : ActionResult::Refused("command " + std::to_string(command) + " went nowhere");
}

std::string CommandState(CTarnDebugInstanceDataCtrlEx& view, int command) {
    const tarnui::CommandUI ui = view.QueryCommand(command);
    return std::string(ui.enabled ? "enabled" : "disabled") + (ui.checked ? ", checked" : "");
}

ActionResult PrintText(SessionBackend& backend, CTarnDebugInstanceDataCtrlEx& view,
                       const MapViewName& name, std::string* text) {
    backend.Flush();
    backend.Script().PrintDialog(true);
    backend.BeginCapture();
    const ActionResult ran = RunCommand(view, name.printCommand);
    const bool captured = backend.EndCapture(text);
    // The print dialog and the print were the means, not what the person looks at.
    backend.Skip();
    if (!ran.IsDone()) {
        backend.Script().TakePrintDialog();
        return ActionResult::Refused("\"Print...\" is disabled: the view has nothing to print");
    }
    if (!captured) {
        return ActionResult::Refused("the print wrote no text");
    }
    return ActionResult::Done();
}

}  // namespace tarncli::session
