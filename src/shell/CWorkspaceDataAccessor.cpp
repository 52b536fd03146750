#include "src/shell/CWorkspaceDataAccessor.h"

#include <utility>

#include "platform/text/Utf.h"
#include "src/shell/TarnIdText.h"

CWorkspaceDataAccessor::CWorkspaceDataAccessor(IBraeWorkspaceData* service, WString a, WString b,
                                               WString c, WString d, const TarnId& dataSection)
    : service_(service), sectionText_(TarnIdText(dataSection)) {
    where_.workspace = std::move(a);
    where_.project = std::move(b);
    where_.configuration = std::move(c);
    where_.device = std::move(d);
    where_.section = tarnui::Utf8ToUtf16(sectionText_);
}

bool CWorkspaceDataAccessor::WriteString(const std::string& key, const std::string& value) {
    return service_ != nullptr && Succeeded(service_->WriteString(where_, tarnui::Utf8ToUtf16(key),
                                                                  tarnui::Utf8ToUtf16(value)));
}

bool CWorkspaceDataAccessor::WriteNumber(const std::string& key, int32_t value) {
    return service_ != nullptr &&
           Succeeded(service_->WriteNumber(where_, tarnui::Utf8ToUtf16(key), value));
}

bool CWorkspaceDataAccessor::ReadString(const std::string& key, const std::string& defaultValue,
                                        std::string& value) {
    WString stored;
    if (service_ != nullptr &&
        Succeeded(service_->ReadString(where_, tarnui::Utf8ToUtf16(key), &stored))) {
        value = tarnui::Utf16ToUtf8(stored);
        return true;
    }
    value = defaultValue;
    return false;
}

bool CWorkspaceDataAccessor::ReadNumber(const std::string& key, int32_t defaultValue,
                                        int32_t& value) {
    int32_t stored = defaultValue;
    if (service_ != nullptr &&
        Succeeded(service_->ReadNumber(where_, tarnui::Utf8ToUtf16(key), &stored))) {
        value = stored;
        return true;
    }
    value = defaultValue;
    return false;
}
