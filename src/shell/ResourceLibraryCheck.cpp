#include "src/shell/ResourceLibraryCheck.h"

#include <cstring>
#include <string_view>

#include "platform/dialogs/MessageBox.h"
#include "platform/resources/ResourceContext.h"
#include "platform/system/Module.h"
#include "src/resources/ResourceExports.h"
#include "src/resources/ResourceIds.h"

namespace {

// Puts the path in place of every "%1" and "%s".
std::string WithPath(std::string_view text, const std::string& path) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == 's')) {
            out += path;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A message of a library that loaded: its own string when it carries a table with that
// string, the component's copy otherwise.
std::string LibraryMessage(const tarnui::Module& module, int id, const char* builtIn) {
    const auto getTable =
        module.GetFunction<tarnui::GetResourceTableFunction>(tarnui::kResourceTableExport);
    if (getTable != nullptr) {
        if (const tarnui::ResourceTable* table = getTable(); table != nullptr) {
            const auto found = table->strings.find(id);
            if (found != table->strings.end() && !found->second.empty()) {
                return WithPath(found->second, module.Path());
            }
        }
    }
    return WithPath(builtIn, module.Path());
}

void Show(const std::string& text) {
    tarnui::MessageBox(text, tarnui::kMbOk);
}

// The reason the loaded library does not fit, or empty when it fits.
std::string Mismatch(const tarnui::Module& module) {
    namespace text = resource_check_text;
    const auto interfaceVersion = module.GetFunction<tarnres::GetDLLInterfaceVersionFunction>(
        tarnres::kExportInterfaceVersion);
    if (interfaceVersion == nullptr) {
        return LibraryMessage(module, tarnres::kStrMissingInterfaceVersion,
                              text::kMissingInterfaceVersion);
    }
    const auto productVersion =
        module.GetFunction<tarnres::GetDLLProductVersionFunction>(tarnres::kExportProductVersion);
    if (productVersion == nullptr) {
        return LibraryMessage(module, tarnres::kStrMissingProductVersion,
                              text::kMissingProductVersion);
    }
    const auto ordinalVersion =
        module.GetFunction<tarnres::GetDLLOrdinalVersionFunction>(tarnres::kExportOrdinalVersion);
    if (ordinalVersion == nullptr) {
        return LibraryMessage(module, tarnres::kStrMissingOrdinalVersion,
                              text::kMissingOrdinalVersion);
    }
    const auto type = module.GetFunction<tarnres::GetDLLTypeFunction>(tarnres::kExportType);
    if (type == nullptr) {
        return LibraryMessage(module, tarnres::kStrMissingType, text::kMissingType);
    }

    const char* typeText = type();
    if (typeText == nullptr || std::strcmp(typeText, tarnres::kLibraryType) != 0) {
        return WithPath(text::kNotResourceLibrary, module.Path());
    }
    int major = -1;
    int minor = -1;
    interfaceVersion(&major, &minor);
    const char* product = productVersion();
    const bool versionsFit = major == tarnres::kInterfaceVersionMajor &&
                             minor == tarnres::kInterfaceVersionMinor &&
                             ordinalVersion() == tarnres::kOrdinalVersion && product != nullptr &&
                             std::strcmp(product, tarnres::kProductVersion) == 0;
    if (!versionsFit) {
        return text::kIncorrectVersion;
    }
    return {};
}

}  // namespace

std::string ResourceLibraryFileName() {
    // Shared libraries here are named lib<name>.so.
    return tarnres::kResourceLibraryFileName;
}

std::unique_ptr<tarnui::ResourceLibrary> LoadCheckedResourceLibrary(
    const std::string& componentFileName) {
    namespace text = resource_check_text;
    if (componentFileName.empty()) {
        tarnui::MessageBox(text::kModuleNameMissing, tarnui::kMbOk | tarnui::kMbIconError);
        tarnui::MessageBox(text::kApplicationWillExit, tarnui::kMbOk);
        return nullptr;
    }
    std::string directory = tarnui::DirectoryOf(componentFileName);
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    const std::string path = directory + ResourceLibraryFileName();

    std::unique_ptr<tarnui::Module> module = tarnui::Module::Load(path);
    if (module == nullptr) {
        Show(WithPath(text::kErrorLoadingLibrary, path));
        return nullptr;
    }
    if (const std::string reason = Mismatch(*module); !reason.empty()) {
        Show(reason);
        return nullptr;
    }
    // The library fits; its resources come from the table it hands out. A library that
    // answers the versions but carries no table cannot serve a single resource.
    std::unique_ptr<tarnui::ResourceLibrary> library = tarnui::ResourceLibrary::Load(path);
    if (library == nullptr) {
        Show(WithPath(text::kErrorLoadingLibrary, path));
    }
    return library;
}
