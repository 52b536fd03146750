// Section list check, split and normalisation on arbitrary texts. The first byte chooses the
// capability flags; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionListCheck.h"

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' ||
           c == '*' || c == '_';
}

// The section names of a text in order, whatever delimiters stand between them.
void AppendNames(std::string_view text, std::vector<std::string>& names) {
    std::string name;
    for (char c : text) {
        if (IsNameCharacter(c)) {
            name.push_back(c);
        } else if (!name.empty()) {
            names.push_back(name);
            name.clear();
        }
    }
    if (!name.empty()) {
        names.push_back(name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool overlay = (data[0] & 1) != 0;
    const bool partial = (data[0] & 2) != 0;
    const bool colon = (data[0] & 4) != 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const int error = CheckSectionList(text, overlay, partial, colon);
    FUZZ_CHECK(error >= kCheckSuccess && error <= kCheckPartialOverlayNotAllowed);
    FUZZ_CHECK(HasTopLevelOverlay(text) <= 1 && HasParentheses(text) <= 1);
    FUZZ_CHECK(GetSectionTextKind(text) <= 2);

    std::string normal = text;
    NormalizeSectionText(normal);
    FUZZ_CHECK(normal.find_first_of(" \t") == std::string::npos);

    std::vector<CLinkerSubSectionGroup> groups(1);
    SplitSectionList(text, overlay, partial, groups);
    const int splitError = CheckSectionList(text, overlay, partial, true);
    if (splitError != kCheckSuccess) {
        FUZZ_CHECK(groups.empty());
        return 0;
    }
    FUZZ_CHECK(!groups.empty());
    std::vector<std::string> groupNames;
    uint32_t previousOverlay = 0;
    for (const auto& group : groups) {
        FUZZ_CHECK(!group.text.empty());
        FUZZ_CHECK(group.text.find_first_of("() \t") == std::string::npos);
        FUZZ_CHECK(group.overlay <= 1 && group.overlay >= previousOverlay);
        previousOverlay = group.overlay;
        AppendNames(group.text, groupNames);
    }
    FUZZ_CHECK(groups.front().overlay == 0);
    // No section is lost or invented by the split.
    std::vector<std::string> textNames;
    AppendNames(normal, textNames);
    FUZZ_CHECK(groupNames == textNames);
    return 0;
}
