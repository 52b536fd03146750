#include "src/shell/framework/ComponentModuleState.h"

#include <algorithm>
#include <vector>

namespace {
const tarnui::ResourceTable* g_componentTable = nullptr;

// One entry per running component object, in the order they started.
std::vector<const tarnui::ResourceTable*>& HeldTables() {
    static std::vector<const tarnui::ResourceTable*> tables;
    return tables;
}
}  // namespace

void SetComponentResourceTable(const tarnui::ResourceTable* table) {
    g_componentTable = table;
}

void HoldComponentResourceTable(const tarnui::ResourceTable* table) {
    HeldTables().push_back(table);
    g_componentTable = table;
}

void ReleaseComponentResourceTable(const tarnui::ResourceTable* table) {
    auto& tables = HeldTables();
    const auto found = std::find(tables.begin(), tables.end(), table);
    if (found == tables.end()) {
        return;
    }
    tables.erase(found);
    if (g_componentTable == table &&
        std::find(tables.begin(), tables.end(), table) == tables.end()) {
        g_componentTable = tables.empty() ? nullptr : tables.back();
    }
}

const tarnui::ResourceTable* ComponentResourceTable() {
    return g_componentTable;
}

ScopedComponentState::ScopedComponentState()
    : previous_(tarnui::SetCurrentResourceTable(
          g_componentTable != nullptr ? g_componentTable : tarnui::CurrentResourceTable())) {}

ScopedComponentState::~ScopedComponentState() {
    tarnui::SetCurrentResourceTable(previous_);
}
