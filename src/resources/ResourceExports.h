// The C exports of the resource library (libTarnMapExtRes.so) and what a loader expects of
// them. A loader looks each name up with dlsym, calls it, and accepts the library only when
// every answer equals the expected value below. All strings are static; the caller never frees
// them. Besides these four the library exports TarnGetResourceTable()
// (platform/resources/ResourceTable.h).
#pragma once

extern "C" {

// Stores the interface version, major and minor, through the pointers; a null pointer is
// skipped.
void GetDLLInterfaceVersion(int* major, int* minor);

// The product version as a NUL-terminated string.
const char* GetDLLProductVersion();

// The ordinal version.
int GetDLLOrdinalVersion();

// The kind of library as a NUL-terminated string.
const char* GetDLLType();

}  // extern "C"

namespace tarnres {

using GetDLLInterfaceVersionFunction = decltype(&GetDLLInterfaceVersion);
using GetDLLProductVersionFunction = decltype(&GetDLLProductVersion);
using GetDLLOrdinalVersionFunction = decltype(&GetDLLOrdinalVersion);
using GetDLLTypeFunction = decltype(&GetDLLType);

// File name of the library, looked for in the directory of the component's own library.
inline constexpr const char* kResourceLibraryFileName = "libTarnMapExtRes.so";

// Export names, in the order a loader queries them.
inline constexpr const char* kExportInterfaceVersion = "GetDLLInterfaceVersion";
inline constexpr const char* kExportProductVersion = "GetDLLProductVersion";
inline constexpr const char* kExportOrdinalVersion = "GetDLLOrdinalVersion";
inline constexpr const char* kExportType = "GetDLLType";

// The answers of a library that fits this component.
inline constexpr int kInterfaceVersionMajor = 1;
inline constexpr int kInterfaceVersionMinor = 0;
inline constexpr const char* kProductVersion = "1.0";
inline constexpr int kOrdinalVersion = 1;
inline constexpr const char* kLibraryType = "Resource";

}  // namespace tarnres
