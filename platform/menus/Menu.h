// Menus at run time: items with a command, text, enable and check state, separators and
// submenus. Built from a menu template or item by item.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/resources/ResourceTable.h"

namespace tarnui {

class CommandTarget;

class Menu {
public:
    struct Item {
        std::string text;
        int command = 0;
        bool separator = false;
        bool enabled = true;
        bool checked = false;
        std::unique_ptr<Menu> submenu;
    };

    Menu() = default;
    explicit Menu(const MenuTemplate& tmpl);
    explicit Menu(const std::vector<MenuItemTemplate>& items);
    Menu(const Menu& other);
    Menu& operator=(const Menu& other);
    Menu(Menu&&) = default;
    Menu& operator=(Menu&&) = default;

    // Menu `id` of the current resource context; empty when it is not there.
    static std::unique_ptr<Menu> Load(int id);

    void AppendItem(std::string text, int command, bool enabled = true, bool checked = false);
    void AppendSeparator();
    Menu& AppendSubmenu(std::string text);

    int Count() const { return static_cast<int>(items_.size()); }
    const Item& At(int index) const { return items_[index]; }
    Item& At(int index) { return items_[index]; }
    Menu* GetSubMenu(int index) const;  // null when the item has none

    // The item with this command anywhere in the menu or its submenus.
    Item* FindCommand(int command);
    const Item* FindCommand(int command) const;
    bool EnableCommand(int command, bool enabled);
    bool CheckCommand(int command, bool checked);

    // Asks the command chain from `target` for the state of every command item.
    void UpdateFrom(CommandTarget& target);

private:
    std::vector<Item> items_;
};

// The text shown for an item: without "&" mnemonic marks ("&&" stays one "&") and without
// the accelerator part after a tab.
std::string MenuDisplayText(const std::string& text);

}  // namespace tarnui
