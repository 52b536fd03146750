#include "platform/system/Module.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace tarnui {

Module::~Module() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

std::unique_ptr<Module> Module::Load(const std::string& path, std::string* error) {
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* reason = dlerror();
            *error = reason != nullptr ? reason : "cannot load " + path;
        }
        return nullptr;
    }
    return std::unique_ptr<Module>(new Module(handle, path));
}

void* Module::GetExport(const char* name) const {
    if (handle_ == nullptr || name == nullptr) {
        return nullptr;
    }
    return dlsym(handle_, name);
}

namespace {

std::string Absolute(const char* name) {
    char buffer[PATH_MAX];
    if (realpath(name, buffer) != nullptr) {
        return buffer;
    }
    return name;
}

std::string ProgramFileName() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(buffer, static_cast<size_t>(n));
}

}  // namespace

std::string ModuleFileNameOf(const void* address) {
    Dl_info info{};
    link_map* map = nullptr;
    if (address == nullptr ||
        dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) {
        return {};
    }
    // The program itself is first in the chain of loaded objects and is named as it was
    // started (maybe relative); its file through /proc is the reliable one.
    if (map != nullptr &&
        (map->l_prev == nullptr || map->l_name == nullptr || map->l_name[0] == '\0')) {
        std::string program = ProgramFileName();
        if (!program.empty()) {
            return program;
        }
    }
    if (info.dli_fname == nullptr || info.dli_fname[0] == '\0') {
        return {};
    }
    return Absolute(info.dli_fname);
}

std::string PlatformModuleFileName() {
    static const int anchor = 0;
    return ModuleFileNameOf(&anchor);
}

std::string DirectoryOf(std::string_view fileName) {
    const size_t slash = fileName.find_last_of('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return std::string(fileName.substr(0, slash));
}

std::string ReplaceExtension(std::string_view fileName, std::string_view extension) {
    const size_t slash = fileName.find_last_of('/');
    const size_t dot = fileName.find_last_of('.');
    std::string stem(fileName);
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash)) {
        stem.resize(dot);
    }
    return stem + std::string(extension);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace tarnui
