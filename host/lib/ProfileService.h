// The profile service: the user's numbers by section and key (column layouts under a window
// class name), kept in "profile.ini" of the user configuration directory, one "[section]"
// per section name.
#pragma once

#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/KeyValueStore.h"

namespace tarnhost {

class ProfileService final : public HostObject<IBraeProfile> {
public:
    static constexpr const char* kFileName = "profile.ini";

    explicit ProfileService(const std::string& configDir);

    HResult WriteNumber(const WString& section, const WString& key, int32_t value) override;
    // An absent entry fails and leaves value as it was.
    HResult ReadNumber(const WString& section, const WString& key, int32_t* value) override;

    const std::string& Path() const { return store_.Path(); }
    const std::string& LastError() const { return store_.LastError(); }

private:
    KeyValueStore store_;
};

}  // namespace tarnhost
