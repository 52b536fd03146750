// Dialog templates. Positions and sizes are in dialog units; OK and Cancel sit at the right.
#include <string>
#include <utility>

#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

using tarnui::ControlKind;
using tarnui::DialogControlTemplate;
using tarnui::DialogTemplate;

struct Rect {
    int x, y, width, height;
};

DialogControlTemplate Control(ControlKind kind, int id, std::string text, Rect r,
                              uint32_t style = tarnui::kStyleNone) {
    return DialogControlTemplate{kind, id, std::move(text), r.x, r.y, r.width, r.height, style};
}

DialogControlTemplate Label(int id, std::string text, Rect r) {
    return Control(ControlKind::Static, id, std::move(text), r);
}

DialogControlTemplate Edit(int id, Rect r) {
    return Control(ControlKind::Edit, id, "", r, tarnui::kStyleTabStop);
}

DialogControlTemplate DropDownList(int id, Rect r) {
    return Control(ControlKind::ComboBox, id, "", r,
                   tarnui::kStyleDropDownList | tarnui::kStyleTabStop);
}

DialogControlTemplate CheckBox(int id, std::string text, Rect r) {
    return Control(ControlKind::CheckBox, id, std::move(text), r, tarnui::kStyleTabStop);
}

DialogControlTemplate Button(int id, std::string text, Rect r) {
    return Control(ControlKind::PushButton, id, std::move(text), r, tarnui::kStyleTabStop);
}

// OK and Cancel, stacked at the right edge of a dialog of the given width.
void AddOkCancel(DialogTemplate& dialog) {
    const int x = dialog.width - 57;
    dialog.controls.push_back(
        Control(ControlKind::DefPushButton, kCtlOk, "OK", {x, 7, 50, 14}, tarnui::kStyleTabStop));
    dialog.controls.push_back(Button(kCtlCancel, "Cancel", {x, 24, 50, 14}));
}

DialogTemplate FindSymbol() {
    DialogTemplate d{kDlgFindSymbol, "Find Symbol", 222, 64, {}};
    d.controls = {
        Label(kCtlStaticNoId, "Symbol &name:", {7, 9, 48, 8}),
        // Editable combo box: the find history drops down below the text.
        Control(ControlKind::ComboBox, kCtlFindName, "", {56, 7, 102, 80}, tarnui::kStyleTabStop),
        CheckBox(kCtlFindMatchCase, "&Match case", {7, 28, 80, 10}),
        CheckBox(kCtlFindWildCard, "&Wild card ", {7, 43, 80, 10}),
    };
    AddOkCancel(d);
    return d;
}

// The item page shows either the edit box (columns "Section" and "File") or the check list
// ("Attribute" and "Scope"); both pages share one place and the dialog shows one of them.
DialogTemplate FilterSymbol() {
    DialogTemplate d{kDlgFilterSymbol, "Filter Symbol", 236, 150, {}};
    d.controls = {
        CheckBox(kCtlFilterEnable, "&Enable Filter", {7, 7, 90, 10}),
        Label(kCtlFilterColumnLabel, "&Filter Column:", {7, 26, 56, 8}),
        DropDownList(kCtlFilterColumn, {66, 24, 100, 60}),
        Control(ControlKind::Static, kCtlFilterItemLabel, "Filter &Item:", {7, 47, 56, 8},
                tarnui::kStyleHidden),
        Control(ControlKind::Edit, kCtlFilterItemEdit, "", {66, 45, 100, 14},
                tarnui::kStyleTabStop | tarnui::kStyleHidden),
        Control(ControlKind::GroupBox, kCtlFilterItemGroup, "Filter &Item:", {7, 44, 165, 99}),
        Control(ControlKind::CheckListBox, kCtlFilterItemList, "", {14, 56, 100, 80},
                tarnui::kStyleTabStop),
        Button(kCtlFilterSetAll, "&Set All", {120, 56, 46, 14}),
        Button(kCtlFilterClearAll, "&Clear All", {120, 74, 46, 14}),
    };
    AddOkCancel(d);
    return d;
}

DialogTemplate SelectPrint() {
    DialogTemplate d{kDlgSelectPrint, "Select Print", 210, 45, {}};
    d.controls = {
        Label(kCtlStaticNoId, "Window &Type:", {7, 9, 48, 8}),
        DropDownList(kCtlPrintWindowType, {56, 7, 90, 60}),
    };
    AddOkCancel(d);
    return d;
}

DialogTemplate SelectMapType() {
    DialogTemplate d{kDlgSelectMapType, "Select Map Window Type", 210, 45, {}};
    d.controls = {
        Label(kCtlStaticNoId, "Map &Type:", {7, 9, 40, 8}),
        DropDownList(kCtlMapType, {50, 7, 96, 60}),
    };
    AddOkCancel(d);
    return d;
}

DialogTemplate AddSectionGroup() {
    DialogTemplate d{kDlgAddSectionGroup, "Add Section Group", 187, 69, {}};
    d.controls = {
        Label(kCtlSectionStartAddressLabel, "Section Start &Address:", {7, 7, 112, 8}),
        Edit(kCtlSectionStartAddress, {7, 18, 112, 14}),
        Label(kCtlSectionGroupNameLabel, "Section Group &Name:", {7, 37, 112, 8}),
        Edit(kCtlSectionGroupName, {7, 48, 112, 14}),
    };
    AddOkCancel(d);
    return d;
}

DialogTemplate AddSection() {
    DialogTemplate d{kDlgAddSection, "Add Section", 187, 45, {}};
    d.controls = {
        Label(kCtlSectionNameLabel, "Section &Name:", {7, 7, 112, 8}),
        Edit(kCtlSectionName, {7, 18, 112, 14}),
    };
    AddOkCancel(d);
    return d;
}

DialogTemplate AddOverlayGroup() {
    DialogTemplate d{kDlgAddOverlayGroup, "Add Overlay Group", 187, 126, {}};
    d.controls = {
        Label(kCtlStaticNoId, "Section &List:", {7, 7, 112, 8}),
        Control(ControlKind::ListBox, kCtlOverlaySectionList, "", {7, 18, 111, 72},
                tarnui::kStyleMultiSelect | tarnui::kStyleTabStop),
        Label(kCtlStaticNoId, "Overlay Group &Name:", {7, 93, 112, 8}),
        Edit(kCtlOverlayGroupName, {7, 104, 112, 14}),
    };
    AddOkCancel(d);
    return d;
}

}  // namespace

void AddDialogs(tarnui::ResourceTable& table) {
    for (const DialogTemplate& dialog :
         {FindSymbol(), FilterSymbol(), SelectPrint(), SelectMapType(), AddSectionGroup(),
          AddSection(), AddOverlayGroup()}) {
        table.dialogs.emplace(dialog.id, dialog);
    }
}

}  // namespace tarnres
