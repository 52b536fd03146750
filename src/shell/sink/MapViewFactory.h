// Makes the view of a kind as the command sink opens it inside a Map window: with the host,
// the view frame manager, the sink and its data manager (and, for a symbol list, the sink's
// find history). The caller creates its window in a pane and takes it into the sink's list.
#pragma once

#include <memory>

#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"

class CTarnMapDataCommandSink;

// Null for a kind this factory does not make.
std::unique_ptr<CTarnDebugInstanceDataCtrlEx> MakeListView(int kind, CTarnMapDataCommandSink& sink);
