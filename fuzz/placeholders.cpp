// Fuzzes placeholder expansion with a fake host. Input: one byte of switches, then fields
// separated by zero bytes: the text, an optional file name, then name/value pairs of the
// host-wide custom map; a field "\x01" switches to the workspace map.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/text/Utf.h"
#include "src/util/PlaceholderExpansion.h"
#include "tests/src/util/FakePlaceholderHost.h"

namespace {

std::vector<std::string> SplitFields(const uint8_t* data, size_t size) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            fields.emplace_back();
        } else {
            fields.back() += static_cast<char>(data[i]);
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 64 * 1024) {
        return 0;
    }
    const uint8_t switches = data[0];
    const std::vector<std::string> fields = SplitFields(data + 1, size - 1);

    fakehost::Placeholders placeholders;
    fakehost::CustomPlaceholders custom;
    fakehost::Host host;
    host.placeholders = (switches & 1) != 0 ? &placeholders : nullptr;
    host.custom = (switches & 2) != 0 ? &custom : nullptr;
    placeholders.workspaceOpen = (switches & 4) != 0 ? 1 : 0;
    if ((switches & 8) != 0) {
        placeholders.currentProject.clear();
    }
    const bool withFileName = (switches & 16) != 0 && fields.size() > 1;
    const std::string fileName = withFileName ? fields[1] : std::string();

    std::vector<HostNameValue>* list = &custom.hostList;
    for (size_t i = withFileName ? 2 : 1; i < fields.size(); i += 2) {
        if (fields[i] == "\x01") {
            list = &custom.workspaceLists[placeholders.currentWorkspace];
            --i;
            continue;
        }
        const std::string value = i + 1 < fields.size() ? fields[i + 1] : std::string();
        list->push_back({tarnui::Utf8ToUtf16(fields[i]), tarnui::Utf8ToUtf16(value)});
    }

    PlaceholderSystemValues system;
    system.now = 1709622489;
    system.userName = std::string(250, 'u');
    const std::string& text = fields[0];
    const std::string once = Expand(&host, text, withFileName ? &fileName : nullptr, system);

    // A text without "$(" comes back as it is; every service taken is given back.
    FUZZ_CHECK(text.find("$(") != std::string::npos || once == text);
    FUZZ_CHECK(placeholders.references == 0 && custom.references == 0);
    return 0;
}
