// What a person does in a Map view, through the view's own controls and commands: header
// clicks, clicks and double clicks on rows and tree items, commands chosen from the view's
// menu, and printing, whose text is taken from the print's temporary file.
#pragma once

#include <string>

#include "platform/controls/TreeControl.h"

class CTarnDebugInstanceDataCtrlEx;
class CMapTreeCtrl;

namespace tarncli::session {

class SessionBackend;
struct MapViewName;

struct ActionResult {
    enum class Outcome {
        Done,
        Refused,      // the view did not take the action (a disabled command, a hidden row)
        BadArgument,  // the action cannot be named so (no such column, row or command)
    };
    Outcome outcome = Outcome::Done;
    std::string message;

    static ActionResult Done() { return {}; }
    static ActionResult Refused(std::string why) { return {Outcome::Refused, std::move(why)}; }
    static ActionResult Bad(std::string why) { return {Outcome::BadArgument, std::move(why)}; }
    bool IsDone() const { return outcome == Outcome::Done; }
};

// The tree item at a path of item texts or indices from the top-level item ("0/1/2",
// "Linker section setting/00000400/P,C"), its ancestors expanded so that it is shown; 0 when
// there is none.
tarnui::TreeItem ShowTreePath(CMapTreeCtrl& tree, const std::string& path);

ActionResult ClickColumn(CTarnDebugInstanceDataCtrlEx& view, const std::string& column);
// A row index of a list; for a tree an item's text, the name after its " : ", or an index
// of the rows shown.
ActionResult ClickRow(CTarnDebugInstanceDataCtrlEx& view, const std::string& row);
ActionResult DoubleClickRow(CTarnDebugInstanceDataCtrlEx& view, const std::string& row);

// The row the view shows as selected: "row N: NAME" of a list, the item text of a tree, or
// "" when nothing is.
std::string SelectedRow(CTarnDebugInstanceDataCtrlEx& view);

// A command number, or the text of an item of the view's menu (without "&" marks and the
// accelerator; case ignored). 0 when it names none.
int ResolveCommand(const MapViewName& name, const std::string& command);
// Runs the command as chosen from the menu: refused while its update handler disables it.
ActionResult RunCommand(CTarnDebugInstanceDataCtrlEx& view, int command);
// The view's menu opens: every item asks its state handler first, as a shown menu does (a
// handler may change the view: the edit mode one ends edit mode while the host is locked).
void OpenViewMenu(CTarnDebugInstanceDataCtrlEx& view);
// "enabled" or "disabled", then ", checked" when the command shows a check mark.
std::string CommandState(CTarnDebugInstanceDataCtrlEx& view, int command);

// Chooses the view's "Print..." and accepts the print dialog; the text the print wrote to its
// temporary file, with LF line ends, instead of a printed document.
ActionResult PrintText(SessionBackend& backend, CTarnDebugInstanceDataCtrlEx& view,
                       const MapViewName& name, std::string* text);

}  // namespace tarncli::session
