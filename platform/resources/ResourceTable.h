// The resources of a resource library: strings, dialog templates, menus, toolbars,
// accelerator tables, bitmaps and cursors, each by number. A resource library exports
// TarnGetResourceTable() returning its table; the platform's resource context loads
// the library and answers lookups from the table that is current.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/windows/Keys.h"

namespace tarnui {

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    ComboBox,  // drop-down list or drop-down combo, by style
    CheckBox,
    ListBox,
    CheckListBox,
    PushButton,
    DefPushButton,
    ReportList,
    Tree,
};

// Style bits a template may carry; a control ignores those that do not apply to it.
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kStyleDropDownList = 1u << 0,  // combo box: choose only, no typing
    kStyleMultiSelect = 1u << 1,   // list box: several items may be selected
    kStyleDisabled = 1u << 2,
    kStyleHidden = 1u << 3,
    kStyleReadOnly = 1u << 4,
    kStyleSorted = 1u << 5,
    kStyleMultiLine = 1u << 6,
    kStyleTabStop = 1u << 7,
};

struct DialogControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = -1;  // -1: a static without identifier
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    uint32_t style = kStyleNone;
};

struct DialogTemplate {
    int id = 0;
    std::string title;
    int width = 0, height = 0;  // dialog units
    std::vector<DialogControlTemplate> controls;
};

struct MenuItemTemplate {
    std::string text;  // "&" marks the mnemonic; "\t" precedes the accelerator
    int command = 0;   // 0 for a separator or a submenu
    bool separator = false;
    std::vector<MenuItemTemplate> items;  // a submenu when not empty
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;  // top-level entries (popup menus have one)
};

struct ToolbarTemplate {
    int id = 0;
    int buttonWidth = 16, buttonHeight = 15;
    std::vector<int> commands;  // 0 stands for a separator
    int bitmap = 0;             // the bitmap that holds the button images, side by side
};

struct AcceleratorTemplate {
    uint32_t key = 0;              // virtual key code (Keys.h)
    uint8_t modifiers = kModNone;  // KeyModifier bits
    int command = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<AcceleratorTemplate> entries;
};

// A small image, 32-bit ARGB pixels row by row; alpha 0 is transparent (the mask).
struct BitmapResource {
    int id = 0;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

struct CursorResource {
    int id = 0;
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<uint32_t> pixels;
};

struct ResourceTable {
    std::map<int, std::string> strings;
    std::map<int, DialogTemplate> dialogs;
    std::map<int, MenuTemplate> menus;
    std::map<int, ToolbarTemplate> toolbars;
    std::map<int, AcceleratorTable> accelerators;
    std::map<int, BitmapResource> bitmaps;
    std::map<int, CursorResource> cursors;
};

// The name of the export through which a resource library hands out its table:
//   extern "C" const tarnui::ResourceTable* TarnGetResourceTable();
inline constexpr const char* kResourceTableExport = "TarnGetResourceTable";
using GetResourceTableFunction = const ResourceTable* (*)();

}  // namespace tarnui
