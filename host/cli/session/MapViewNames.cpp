#include "host/cli/session/MapViewNames.h"

#include <iterator>

#include "src/resources/ResourceIds.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace tarncli::session {
namespace {

constexpr MapViewName kNames[] = {
    {"section-list", kViewSectionList, tarnres::kMenuSectionList, tarnres::kCmdPrintSectionList},
    {"symbol-list", kViewSymbolList, tarnres::kMenuSymbolList, tarnres::kCmdPrintSymbolList},
    {"section-tree", kViewSectionTree, tarnres::kMenuSectionTree, tarnres::kCmdPrintSectionTree},
    {"section-settings", kViewSectionSettingTree, tarnres::kMenuSectionSettingTree,
     tarnres::kCmdPrintSectionSettingTree},
};

}  // namespace

const MapViewName* FindMapViewName(const std::string& name) {
    for (const MapViewName& entry : kNames) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

const MapViewName* FindMapViewKind(int kind) {
    for (const MapViewName& entry : kNames) {
        if (kind == entry.kind) {
            return &entry;
        }
    }
    return nullptr;
}

std::string MapViewNameList() {
    std::string list;
    for (const MapViewName& entry : kNames) {
        list += (list.empty() ? "" : ", ") + std::string(entry.name);
    }
    return list;
}

}  // namespace tarncli::session
