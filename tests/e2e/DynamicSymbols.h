// The names a shared library exports: its defined dynamic symbols, as the toolchain's nm lists
// them.
#pragma once

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace tarn_e2e {

// Empty when nm cannot read the file.
inline std::set<std::string> ExportedSymbols(const std::string& path) {
    std::set<std::string> names;
    FILE* pipe = ::popen(("nm -D --defined-only '" + path + "' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        return names;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) {
            names.insert(name);
        }
    }
    ::pclose(pipe);
    return names;
}

// Whether a mangled name belongs to the standard library (namespace std or __gnu_cxx).
inline bool IsStandardLibraryName(const std::string& name) {
    for (const char* prefix : {"_ZSt", "_ZNSt", "_ZNKSt", "_ZN9__gnu_cxx", "_ZNK9__gnu_cxx"}) {
        if (name.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace tarn_e2e
