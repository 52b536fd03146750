// Loading shared libraries and finding their exports and files.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tarnui {

// A loaded shared library; unloading happens when the object goes.
class Module {
public:
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // Loads `path` (symbols resolved at once, kept local). Null on failure, with the
    // loader's reason in `error` when given.
    static std::unique_ptr<Module> Load(const std::string& path, std::string* error = nullptr);

    const std::string& Path() const { return path_; }
    // The address of the export `name`, or null.
    void* GetExport(const char* name) const;
    template <typename F>
    F GetFunction(const char* name) const {
        return reinterpret_cast<F>(GetExport(name));
    }

private:
    Module(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    void* handle_;
    std::string path_;
};

// The full, absolute file name of the module (shared library or program) that holds
// `address`; empty when no module holds it.
std::string ModuleFileNameOf(const void* address);
template <typename R, typename... A>
std::string ModuleFileNameOf(R (*function)(A...)) {
    return ModuleFileNameOf(reinterpret_cast<const void*>(function));
}
// The file name of libtarnui itself.
std::string PlatformModuleFileName();

// The directory part of a file name, without the trailing separator ("/a/b.so" -> "/a";
// "/b.so" -> "/"; "b.so" -> ".").
std::string DirectoryOf(std::string_view fileName);
// The file name with its extension (after the last "." of the last component) replaced by
// `extension` (given with its dot); appended when there is none.
std::string ReplaceExtension(std::string_view fileName, std::string_view extension);
bool FileExists(const std::string& path);

}  // namespace tarnui
