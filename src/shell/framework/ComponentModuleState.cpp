#include "src/shell/framework/ComponentModuleState.h"

namespace {
const tarnui::ResourceTable* g_componentTable = nullptr;
}

void SetComponentResourceTable(const tarnui::ResourceTable* table) {
    g_componentTable = table;
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
