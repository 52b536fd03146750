#include "src/util/PlaceholderExpansion.h"

#include <optional>
#include <string_view>

#include "platform/system/UserName.h"
#include "src/util/PlaceholderContext.h"
#include "src/util/PlaceholderScanner.h"

namespace {

// No more placeholders are handled in one text than this.
constexpr int kMaxPlaceholders = 9999;

}  // namespace

std::string Expand(IBraeHost* host, const std::string& text, const std::string* fileName) {
    if (!placeholder::FindNext(text, 0)) {
        return text;
    }
    PlaceholderSystemValues system;
    system.now = std::time(nullptr);
    system.userName = tarnui::LoggedOnUserName();
    return Expand(host, text, fileName, system);
}

std::string Expand(IBraeHost* host, const std::string& text, const std::string* fileName,
                   const PlaceholderSystemValues& system) {
    // The result is built as the scan goes: values go to the result only, so they are never
    // scanned again, and the scan goes on in the text right after each placeholder.
    std::optional<placeholder::Context> context;  // made at the first placeholder
    std::string result;
    size_t offset = 0;
    for (int handled = 0; handled < kMaxPlaceholders; ++handled) {
        const std::optional<placeholder::Span> span = placeholder::FindNext(text, offset);
        if (!span) {
            break;
        }
        if (!context) {
            context.emplace(host, fileName, system);
        }
        result.append(text, offset, span->begin - offset);
        // A placeholder that is not resolved is dropped from the text.
        if (std::optional<std::string> value = context->Resolve(span->Name(text))) {
            result += *value;
        }
        offset = span->end;
    }
    result.append(text, offset, std::string::npos);
    return result;
}
