// The start-up check of the resource library: it must sit beside the component's own library,
// export its four version functions and answer the versions and type this component expects.
// Every failure is shown to the person in a message box.
#pragma once

#include <memory>
#include <string>

namespace tarnui {
class ResourceLibrary;
}

// The file name of the resource library, the platform's shared library name of the
// component's "TarnMapExtRes" resources.
std::string ResourceLibraryFileName();

// The messages of the check. The library that failed cannot be asked for them, so the
// component keeps its own copies; "%1" and "%s" stand for the library's path.
namespace resource_check_text {
inline constexpr const char* kMissingInterfaceVersion =
    "The resource library %1 does not export GetDLLInterfaceVersion.";
inline constexpr const char* kMissingType = "The resource library %1 does not export GetDLLType.";
inline constexpr const char* kMissingProductVersion =
    "The resource library %1 does not export GetDLLProductVersion.";
inline constexpr const char* kMissingOrdinalVersion =
    "The resource library %1 does not export GetDLLOrdinalVersion.";
inline constexpr const char* kModuleNameMissing =
    "Cannot obtain module. File name missing.\nPlease read User Guide to create/install a new "
    "version.";
inline constexpr const char* kApplicationWillExit = "Application will now exit.";
inline constexpr const char* kErrorLoadingLibrary = "Error loading resource DLL %1";
inline constexpr const char* kNotResourceLibrary = "Dll %s is not a resources Dll";
inline constexpr const char* kIncorrectVersion = "Incorrect version of Resources - exiting";
}  // namespace resource_check_text

// Checks and loads the resource library that lies in the directory of `componentFileName`
// (the component's own library; empty when the platform could not name it). Returns the
// loaded library, or null after showing the reason.
std::unique_ptr<tarnui::ResourceLibrary> LoadCheckedResourceLibrary(
    const std::string& componentFileName);
