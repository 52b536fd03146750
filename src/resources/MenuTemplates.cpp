// Menus, toolbars and the accelerator table.
#include <string>
#include <utility>
#include <vector>

#include "src/resources/ResourceIds.h"
#include "src/resources/ResourceParts.h"

namespace tarnres {
namespace {

using tarnui::MenuItemTemplate;
using tarnui::MenuTemplate;

MenuItemTemplate Item(std::string text, int command) {
    return MenuItemTemplate{std::move(text), command, false, {}};
}

MenuItemTemplate Separator() {
    return MenuItemTemplate{"", 0, true, {}};
}

MenuItemTemplate Popup(std::string text, std::vector<MenuItemTemplate> items) {
    return MenuItemTemplate{std::move(text), 0, false, std::move(items)};
}

// Frame commands that every view offers at the end of its menu.
std::vector<MenuItemTemplate> FrameItems(bool withToolbar) {
    std::vector<MenuItemTemplate> items = {
        Separator(),
        Item("&Allow window docking", kCmdAllowDocking),
        Item("&Hide window", kCmdHideWindow),
    };
    if (withToolbar) {
        items.push_back(Item("Display &toolbar", kCmdDisplayToolbar));
        items.push_back(Item("Customi&ze toolbar...", kCmdCustomizeToolbar));
    }
    return items;
}

MenuTemplate ViewMenu(int id, std::string title, std::vector<MenuItemTemplate> items,
                      bool withToolbar) {
    for (MenuItemTemplate& item : FrameItems(withToolbar)) {
        items.push_back(std::move(item));
    }
    return MenuTemplate{id, {Popup(std::move(title), std::move(items))}};
}

MenuTemplate ToolsMenu() {
    return MenuTemplate{kMenuTools, {Popup("&Tools", {Item("Ma&p...", kCmdOpenMap)})}};
}

MenuTemplate SectionSettingTreeMenu() {
    return ViewMenu(kMenuSectionSettingTree, "Section Setting",
                    {
                        Item("Section &Edit Mode", kCmdSectionEditMode),
                        Separator(),
                        Item("Add Section &Group...", kCmdAddSectionGroup),
                        Item("Add &Section...", kCmdAddSection),
                        Item("Add &Overlay Group...", kCmdAddOverlayGroup),
                        Item("Edit Selected &Item...", kCmdEditSelectedItem),
                        Separator(),
                        Item("Cu&t", kCmdCut),
                        Item("&Copy", kCmdCopy),
                        Item("P&aste", kCmdPaste),
                        Item("De&lete", kCmdDelete),
                        Separator(),
                        Item("Move &Up", kCmdMoveUp),
                        Item("Move Do&wn", kCmdMoveDown),
                        Item("Change Primar&y Section", kCmdChangePrimarySection),
                        Separator(),
                        Item("Memory &Map Setting...", kCmdMemoryMapSetting),
                        Item("Memory &Resource Auto Allocate", kCmdMemoryResourceAutoAllocate),
                        Separator(),
                        Item("Show Unallocated Area", kCmdShowUnallocatedArea),
                        Item("Show No Size Section", kCmdShowNoSizeSection),
                        Item("View Source", kCmdViewSource),
                        Separator(),
                        Item("&Print...", kCmdPrintSectionSettingTree),
                    },
                    false);
}

MenuTemplate SectionListMenu() {
    return ViewMenu(kMenuSectionList, "Section List",
                    {
                        Item("Show &Unallocated Area", kCmdShowUnallocatedArea),
                        Item("Show &No Size Section", kCmdShowNoSizeSection),
                        Separator(),
                        Item("&View Source", kCmdViewSource),
                        Separator(),
                        Item("&Print...", kCmdPrintSectionList),
                    },
                    true);
}

MenuTemplate SymbolListMenu() {
    return ViewMenu(kMenuSymbolList, "Symbol List",
                    {
                        Item("&Find...", kCmdFind),
                        Item("Find &Next\tF3", kCmdFindNext),
                        Item("F&ilter...", kCmdFilter),
                        Separator(),
                        Item("&View Source", kCmdViewSource),
                        Separator(),
                        Item("&Print...", kCmdPrintSymbolList),
                    },
                    true);
}

MenuTemplate SectionTreeMenu() {
    return ViewMenu(kMenuSectionTree, "Section Tree",
                    {
                        Item("&Find...", kCmdFind),
                        Item("Find &Next\tF3", kCmdFindNext),
                        Item("F&ilter...", kCmdFilter),
                        Separator(),
                        Item("&View Source", kCmdViewSource),
                        Separator(),
                        Item("&Print...", kCmdPrintSectionTree),
                    },
                    true);
}

tarnui::ToolbarTemplate Toolbar(int id, int bitmap, std::vector<int> commands) {
    tarnui::ToolbarTemplate toolbar;
    toolbar.id = id;
    toolbar.commands = std::move(commands);
    toolbar.bitmap = bitmap;
    return toolbar;
}

}  // namespace

void AddMenus(tarnui::ResourceTable& table) {
    for (const MenuTemplate& menu : {ToolsMenu(), SectionSettingTreeMenu(), SectionListMenu(),
                                     SymbolListMenu(), SectionTreeMenu()}) {
        table.menus.emplace(menu.id, menu);
    }
}

void AddToolbars(tarnui::ResourceTable& table) {
    constexpr int kSep = 0;
    for (const tarnui::ToolbarTemplate& toolbar : {
             Toolbar(kToolbarMap, kBmpToolbarMap, {kCmdOpenMap}),
             Toolbar(kToolbarSectionList, kBmpToolbarSectionList,
                     {kCmdShowUnallocatedArea, kCmdShowNoSizeSection, kSep, kCmdViewSource, kSep,
                      kCmdPrintSectionList}),
             Toolbar(kToolbarSymbolList, kBmpToolbarSymbolList,
                     {kCmdFind, kCmdFindNext, kCmdFilter, kSep, kCmdViewSource, kSep,
                      kCmdPrintSymbolList}),
             Toolbar(kToolbarSectionTree, kBmpToolbarSectionTree,
                     {kCmdFind, kCmdFindNext, kCmdFilter, kSep, kCmdViewSource, kSep,
                      kCmdPrintSectionTree}),
         }) {
        table.toolbars.emplace(toolbar.id, toolbar);
    }
}

void AddAccelerators(tarnui::ResourceTable& table) {
    using tarnui::kModControl;
    tarnui::AcceleratorTable accelerators{kAccelMap, {}};
    accelerators.entries = {
        {tarnui::kKeyUp, kModControl, kCmdMoveUp},
        {tarnui::kKeyDown, kModControl, kCmdMoveDown},
        {tarnui::kKeyF3, tarnui::kModNone, kCmdFindNext},
    };
    table.accelerators.emplace(accelerators.id, std::move(accelerators));
}

}  // namespace tarnres
