#include "platform/resources/ResourceContext.h"

#include <map>

#include "platform/system/Module.h"

namespace tarnui {

namespace {
const ResourceTable* g_current = nullptr;

// How many library objects hold each table: several instances of a component each keep their
// own object for the same loaded library.
std::map<const ResourceTable*, int>& Holders() {
    static std::map<const ResourceTable*, int> holders;
    return holders;
}

template <typename T>
const T* Find(const std::map<int, T> ResourceTable::*member, int id) {
    if (g_current == nullptr) {
        return nullptr;
    }
    const auto& map = g_current->*member;
    auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}
}  // namespace

ResourceLibrary::~ResourceLibrary() {
    if (table_ == nullptr) {
        return;
    }
    // A table that is current must not outlive the last library object that holds it.
    auto& holders = Holders();
    if (--holders[table_] <= 0) {
        holders.erase(table_);
        if (g_current == table_) {
            g_current = nullptr;
        }
    }
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::Load(const std::string& path,
                                                       std::string* error) {
    std::unique_ptr<Module> module = Module::Load(path, error);
    if (!module) {
        return nullptr;
    }
    auto get = module->GetFunction<GetResourceTableFunction>(kResourceTableExport);
    if (get == nullptr) {
        if (error != nullptr) {
            *error = path + " has no export " + kResourceTableExport;
        }
        return nullptr;
    }
    const ResourceTable* table = get();
    if (table == nullptr) {
        if (error != nullptr) {
            *error = path + " gives no resource table";
        }
        return nullptr;
    }
    std::unique_ptr<ResourceLibrary> lib(new ResourceLibrary);
    lib->module_ = std::move(module);
    lib->table_ = table;
    lib->path_ = path;
    ++Holders()[table];
    return lib;
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::FromTable(const ResourceTable& table,
                                                            std::string name) {
    std::unique_ptr<ResourceLibrary> lib(new ResourceLibrary);
    lib->table_ = &table;
    lib->path_ = std::move(name);
    ++Holders()[&table];
    return lib;
}

const ResourceTable* CurrentResourceTable() {
    return g_current;
}

const ResourceTable* SetCurrentResourceTable(const ResourceTable* table) {
    const ResourceTable* previous = g_current;
    g_current = table;
    return previous;
}

bool LoadString(int id, std::string& out) {
    const std::string* s = Find(&ResourceTable::strings, id);
    if (s == nullptr) {
        out.clear();
        return false;
    }
    out = *s;
    return true;
}

std::string LoadString(int id) {
    std::string s;
    LoadString(id, s);
    return s;
}

const DialogTemplate* FindDialogTemplate(int id) {
    return Find(&ResourceTable::dialogs, id);
}
const MenuTemplate* FindMenuTemplate(int id) {
    return Find(&ResourceTable::menus, id);
}
const ToolbarTemplate* FindToolbarTemplate(int id) {
    return Find(&ResourceTable::toolbars, id);
}
const AcceleratorTable* FindAcceleratorTable(int id) {
    return Find(&ResourceTable::accelerators, id);
}
const BitmapResource* FindBitmapResource(int id) {
    return Find(&ResourceTable::bitmaps, id);
}
const CursorResource* FindCursorResource(int id) {
    return Find(&ResourceTable::cursors, id);
}

int FindAcceleratorCommand(const AcceleratorTable& table, uint32_t key, uint8_t modifiers) {
    for (const AcceleratorTemplate& a : table.entries) {
        if (a.key == key && a.modifiers == modifiers) {
            return a.command;
        }
    }
    return 0;
}

}  // namespace tarnui
