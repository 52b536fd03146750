// The component's module state: the resource table its windows, strings and dialogs come
// from. The component object sets it when its resource library is loaded; every entry from the
// host that creates windows, loads strings or shows dialogs switches to it for its duration.
#pragma once

#include "platform/resources/ResourceContext.h"

// Null clears it (entries then keep whatever table is current).
void SetComponentResourceTable(const tarnui::ResourceTable* table);
// Each running component object holds the table of its resource library; the table stays the
// component's until the last object holding it lets go, and then falls back to the table
// another running object holds (none when no object runs).
void HoldComponentResourceTable(const tarnui::ResourceTable* table);
void ReleaseComponentResourceTable(const tarnui::ResourceTable* table);
const tarnui::ResourceTable* ComponentResourceTable();

// Makes the component's table current for the lifetime of the object; without one the current
// table stays.
class ScopedComponentState {
public:
    ScopedComponentState();
    ~ScopedComponentState();
    ScopedComponentState(const ScopedComponentState&) = delete;
    ScopedComponentState& operator=(const ScopedComponentState&) = delete;

private:
    const tarnui::ResourceTable* previous_;
};
