// The exported entry points of the resource library.
#include "src/resources/ResourceExports.h"

#include "platform/resources/ResourceTable.h"
#include "src/resources/ResourceParts.h"

#define TARN_RESOURCE_EXPORT __attribute__((visibility("default")))

namespace {

tarnui::ResourceTable BuildTable() {
    tarnui::ResourceTable table;
    tarnres::AddStrings(table);
    tarnres::AddDialogs(table);
    tarnres::AddMenus(table);
    tarnres::AddToolbars(table);
    tarnres::AddAccelerators(table);
    tarnres::AddBitmaps(table);
    tarnres::AddToolbarBitmaps(table);  // needs the toolbars
    tarnres::AddCursors(table);
    return table;
}

}  // namespace

extern "C" {

TARN_RESOURCE_EXPORT void GetDLLInterfaceVersion(int* major, int* minor) {
    if (major != nullptr) {
        *major = tarnres::kInterfaceVersionMajor;
    }
    if (minor != nullptr) {
        *minor = tarnres::kInterfaceVersionMinor;
    }
}

TARN_RESOURCE_EXPORT const char* GetDLLProductVersion() {
    return tarnres::kProductVersion;
}

TARN_RESOURCE_EXPORT int GetDLLOrdinalVersion() {
    return tarnres::kOrdinalVersion;
}

TARN_RESOURCE_EXPORT const char* GetDLLType() {
    return tarnres::kLibraryType;
}

// Built on first use and kept until the library is unloaded.
TARN_RESOURCE_EXPORT const tarnui::ResourceTable* TarnGetResourceTable() {
    static const tarnui::ResourceTable table = BuildTable();
    return &table;
}

}  // extern "C"
