// The options service: the user's display options, numbers and strings by key, kept in
// "options.ini" of the user configuration directory under "[options]".
#pragma once

#include <string>

#include "host/lib/HostObject.h"
#include "host/lib/KeyValueStore.h"

namespace tarnhost {

class OptionsService final : public HostObject<IBraeOptions> {
public:
    static constexpr const char* kFileName = "options.ini";

    explicit OptionsService(const std::string& configDir);

    HResult SetNumber(const WString& key, int32_t value) override;
    HResult SetString(const WString& key, const WString& value) override;
    HResult GetNumber(const WString& key, int32_t* value) override;
    HResult GetString(const WString& key, WString* value) override;

    const std::string& Path() const { return store_.Path(); }
    const std::string& LastError() const { return store_.LastError(); }

private:
    KeyValueStore store_;
};

}  // namespace tarnhost
