// The resource context: the table that resource lookups answer from. A component switches
// to its own table on every entry from outside (ScopedResourceContext), so that strings,
// dialogs, menus and bitmaps come from its resource library whoever called it.
#pragma once

#include <memory>
#include <string>

#include "platform/resources/ResourceTable.h"

namespace tarnui {

class Module;

// A resource library: a shared library that exports kResourceTableExport, or a table that
// lives in this process (tests, built-in resources).
class ResourceLibrary {
public:
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Loads the library file and fetches its table. Null on failure, with the reason in
    // `error` when given (the file cannot be loaded, the export is missing or returns null).
    static std::unique_ptr<ResourceLibrary> Load(const std::string& path,
                                                 std::string* error = nullptr);
    // Wraps a table owned elsewhere, which must outlive the object.
    static std::unique_ptr<ResourceLibrary> FromTable(const ResourceTable& table,
                                                      std::string name = "<in-process>");

    const ResourceTable& Table() const { return *table_; }
    const std::string& Path() const { return path_; }
    // The loaded module, for further exports; null for an in-process table.
    const Module* GetModule() const { return module_.get(); }

private:
    ResourceLibrary() = default;
    std::unique_ptr<Module> module_;
    const ResourceTable* table_ = nullptr;
    std::string path_;
};

// The current table; null when none is set (every lookup then fails).
const ResourceTable* CurrentResourceTable();
// Makes `table` current and returns the previous one.
const ResourceTable* SetCurrentResourceTable(const ResourceTable* table);

// Makes a table current for the lifetime of the object, then restores the previous one.
class ScopedResourceContext {
public:
    explicit ScopedResourceContext(const ResourceTable* table)
        : previous_(SetCurrentResourceTable(table)) {}
    explicit ScopedResourceContext(const ResourceLibrary& library)
        : ScopedResourceContext(&library.Table()) {}
    ~ScopedResourceContext() { SetCurrentResourceTable(previous_); }
    ScopedResourceContext(const ScopedResourceContext&) = delete;
    ScopedResourceContext& operator=(const ScopedResourceContext&) = delete;

private:
    const ResourceTable* previous_;
};

// Lookups in the current table. LoadString gives "" for a string that is not there; the
// two-argument form tells the cases apart.
std::string LoadString(int id);
bool LoadString(int id, std::string& out);
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const ToolbarTemplate* FindToolbarTemplate(int id);
const AcceleratorTable* FindAcceleratorTable(int id);
const BitmapResource* FindBitmapResource(int id);
const CursorResource* FindCursorResource(int id);

// The command of the accelerator for `key` with exactly `modifiers`, or 0.
int FindAcceleratorCommand(const AcceleratorTable& table, uint32_t key, uint8_t modifiers);

}  // namespace tarnui
