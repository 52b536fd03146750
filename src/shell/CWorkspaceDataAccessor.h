// Reads and writes the component's entries in the host's workspace data service for one
// save or load. It is bound to the service, the workspace's four context strings and the
// component's data section; callers give only their own keys, and the accessor adds the
// context and section to every call.
#pragma once

#include <cstdint>
#include <string>

#include "src/shell/HostInterfaces.h"

class CWorkspaceDataAccessor {
public:
    CWorkspaceDataAccessor(IBraeWorkspaceData* service, WString a, WString b, WString c, WString d,
                           const TarnId& dataSection);

    bool IsBound() const { return service_ != nullptr; }
    // The data section identifier in its text form.
    const std::string& SectionText() const { return sectionText_; }
    const IBraeWorkspaceData::Address& Address() const { return where_; }

    // Each returns whether the service did it.
    bool WriteString(const std::string& key, const std::string& value);
    bool WriteNumber(const std::string& key, int32_t value);
    // Set `value` to what is stored, or to `defaultValue` when nothing is (or the service
    // fails); return whether something was stored.
    bool ReadString(const std::string& key, const std::string& defaultValue, std::string& value);
    bool ReadNumber(const std::string& key, int32_t defaultValue, int32_t& value);

private:
    IBraeWorkspaceData* service_;
    std::string sectionText_;
    IBraeWorkspaceData::Address where_;
};
