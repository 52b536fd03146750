#include "platform/menus/Menu.h"

#include "platform/commands/CommandTarget.h"
#include "platform/resources/ResourceContext.h"

namespace tarnui {

Menu::Menu(const MenuTemplate& tmpl) : Menu(tmpl.items) {}

Menu::Menu(const std::vector<MenuItemTemplate>& items) {
    for (const MenuItemTemplate& t : items) {
        if (t.separator) {
            AppendSeparator();
        } else if (!t.items.empty()) {
            Item item;
            item.text = t.text;
            item.submenu = std::make_unique<Menu>(t.items);
            items_.push_back(std::move(item));
        } else {
            AppendItem(t.text, t.command);
        }
    }
}

Menu::Menu(const Menu& other) {
    *this = other;
}

Menu& Menu::operator=(const Menu& other) {
    if (this == &other) {
        return *this;
    }
    items_.clear();
    for (const Item& i : other.items_) {
        Item copy{i.text, i.command, i.separator, i.enabled, i.checked, nullptr};
        if (i.submenu) {
            copy.submenu = std::make_unique<Menu>(*i.submenu);
        }
        items_.push_back(std::move(copy));
    }
    return *this;
}

std::unique_ptr<Menu> Menu::Load(int id) {
    const MenuTemplate* tmpl = FindMenuTemplate(id);
    return tmpl != nullptr ? std::make_unique<Menu>(*tmpl) : nullptr;
}

void Menu::AppendItem(std::string text, int command, bool enabled, bool checked) {
    items_.push_back({std::move(text), command, false, enabled, checked, nullptr});
}

void Menu::AppendSeparator() {
    items_.push_back({"", 0, true, true, false, nullptr});
}

Menu& Menu::AppendSubmenu(std::string text) {
    items_.push_back({std::move(text), 0, false, true, false, std::make_unique<Menu>()});
    return *items_.back().submenu;
}

Menu* Menu::GetSubMenu(int index) const {
    return index >= 0 && index < Count() ? items_[index].submenu.get() : nullptr;
}

Menu::Item* Menu::FindCommand(int command) {
    for (Item& i : items_) {
        if (i.submenu) {
            if (Item* found = i.submenu->FindCommand(command)) {
                return found;
            }
        } else if (!i.separator && i.command == command) {
            return &i;
        }
    }
    return nullptr;
}

const Menu::Item* Menu::FindCommand(int command) const {
    return const_cast<Menu*>(this)->FindCommand(command);
}

bool Menu::EnableCommand(int command, bool enabled) {
    Item* i = FindCommand(command);
    if (i != nullptr) {
        i->enabled = enabled;
    }
    return i != nullptr;
}

bool Menu::CheckCommand(int command, bool checked) {
    Item* i = FindCommand(command);
    if (i != nullptr) {
        i->checked = checked;
    }
    return i != nullptr;
}

void Menu::UpdateFrom(CommandTarget& target) {
    for (Item& i : items_) {
        if (i.submenu) {
            i.submenu->UpdateFrom(target);
        } else if (!i.separator && i.command != 0) {
            CommandUI ui = target.QueryCommand(i.command);
            i.enabled = ui.enabled;
            i.checked = ui.checked;
            if (ui.text) {
                i.text = *ui.text;
            }
        }
    }
}

std::string MenuDisplayText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t') {
            break;
        }
        if (c == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace tarnui
