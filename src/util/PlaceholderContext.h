// Resolves placeholder names for one expansion: the host's placeholder and custom placeholder
// services, taken when the context is made and released when it ends, and what they answered
// so far.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "src/shell/HostInterfaces.h"
#include "src/util/PlaceholderExpansion.h"

namespace placeholder {

class Context {
public:
    Context(IBraeHost* host, const std::string* fileName, const PlaceholderSystemValues& system);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    // The value of a placeholder name; none when the name is not resolved.
    std::optional<std::string> Resolve(std::string_view name);

private:
    using Map = std::unordered_map<std::string, std::string>;
    struct CurrentNames {
        WString workspace;
        WString project;
        WString config;
    };

    std::string TableValue(int index, std::string_view name);
    std::string FileValue(int index) const;
    std::string HostValue(int index);
    std::optional<std::string> CustomValue(std::string_view name);
    const CurrentNames& Names();
    const Map& HostMap();
    const Map& WorkspaceMap();

    IBraePlaceholders* placeholders_ = nullptr;
    IBraeCustomPlaceholders* custom_ = nullptr;
    const std::string* fileName_ = nullptr;
    PlaceholderSystemValues system_;
    std::optional<CurrentNames> names_;
    std::optional<Map> hostMap_;
    std::optional<Map> workspaceMap_;
};

}  // namespace placeholder
