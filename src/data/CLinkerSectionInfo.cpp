#include "src/data/CLinkerSectionInfo.h"

#include "src/data/LinkMapText.h"

#include <string_view>
#include <utility>

#include "platform/text/Utf.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"

namespace {

using linkmap::SplitWords;

// Capability bit: the linker gives and takes a group's section text as one string.
constexpr uint32_t kCapabilityWholeText = 2;

}  // namespace

CLinkerSectionInfo::CLinkerSectionInfo(IBraeHost* host)
    : host_(host),
      conversion_(GetHostService<IBraeValueConversion>(host, kIdValueConversionService)) {}

CLinkerSectionInfo::~CLinkerSectionInfo() = default;

void CLinkerSectionInfo::SetContext(const WString& context1, const WString& context2,
                                    const WString& context3) {
    context1_ = context1;
    context2_ = context2;
    context3_ = context3;
}

bool CLinkerSectionInfo::AsksWholeText(IBraeLinkerOptions* options) {
    if (options == nullptr) {
        return false;
    }
    uint32_t word = 0;
    uint32_t second = 0;
    return Succeeded(options->GetCapabilities(context1_, context2_, &word, &second)) &&
           (word & kCapabilityWholeText) != 0;
}

void CLinkerSectionInfo::LoadFromHost() {
    FreeLinkerSectionRows(entries_);
    if (settingState_ != 0) {
        return;  // the settings come from a subcommand file
    }
    const bool wholeText =
        AsksWholeText(GetHostService<IBraeLinkerOptions>(host_, kIdLinkerOptionService));
    auto* settings = GetHostService<IBraeLinkerSettings>(host_, kIdLinkerSettingService);
    // Without the conversion service every address would be lost; read nothing instead.
    if (settings == nullptr || conversion_ == nullptr) {
        return;
    }
    if (!ReadGroups(*settings, wholeText)) {
        FreeLinkerSectionRows(entries_);
    }
}

bool CLinkerSectionInfo::ReadGroups(IBraeLinkerSettings& settings, bool wholeText) {
    int32_t count = 0;
    if (Failed(settings.GetGroupCount(context1_, context2_, context3_, &count))) {
        return true;  // no groups to read
    }
    for (int32_t group = 1; group <= count; ++group) {
        auto entry = std::make_unique<tagLinkerSectionInfo>();
        if (!ReadGroup(settings, group, wholeText, *entry)) {
            return false;
        }
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool CLinkerSectionInfo::ReadGroup(IBraeLinkerSettings& settings, int32_t group, bool wholeText,
                                   tagLinkerSectionInfo& entry) {
    int32_t addresses = 0;
    if (Failed(settings.GetAddressCount(context1_, context2_, context3_, group, &addresses))) {
        return false;
    }
    for (int32_t address = 1; address <= addresses; ++address) {
        WString start;
        WString end;
        if (Failed(settings.GetAddressPair(context1_, context2_, context3_, group, address, &start,
                                           &end))) {
            return false;
        }
        entry.startAddresses.push_back(ToStoredAddress(start));
        entry.endAddresses.push_back(ToStoredAddress(end));
    }

    HostStringList names;
    if (wholeText) {
        if (Failed(settings.GetItem(context1_, context2_, context3_, group, 1, &names)) ||
            names.type != HostStringList::kArrayOfStrings) {
            return false;
        }
        if (!names.elements.empty()) {
            entry.sections = tarnui::Utf16ToUtf8(names.elements.front());
        }
        return true;
    }
    int32_t items = 0;
    if (Failed(settings.GetItemCount(context1_, context2_, context3_, group, &items))) {
        return false;
    }
    for (int32_t item = 1; item <= items; ++item) {
        names = HostStringList();
        if (Failed(settings.GetItem(context1_, context2_, context3_, group, item, &names)) ||
            names.type != HostStringList::kArrayOfStrings) {
            return false;
        }
        if (item > 1) {
            entry.sections += ':';
        }
        for (size_t i = 0; i < names.elements.size(); ++i) {
            if (i > 0) {
                entry.sections += ',';
            }
            entry.sections += tarnui::Utf16ToUtf8(names.elements[i]);
        }
    }
    return true;
}

// The host's own text for an address. A text the host cannot read as an address (not a
// number, or above 32 bits) is kept as it was read, so that handing the groups back does not
// erase it.
std::string CLinkerSectionInfo::ToStoredAddress(const WString& hostText) const {
    uint32_t value = 0;
    WString text;
    if (hostText.empty()) {
        return std::string();
    }
    if (conversion_ == nullptr || Failed(conversion_->TextToAddress(hostText, 16, &value)) ||
        Failed(conversion_->AddressToText(value, 0, 0, 0, &text))) {
        return tarnui::Utf16ToUtf8(hostText);
    }
    return tarnui::Utf16ToUtf8(text);
}

// An address text as handed back to the host: "0x" before a text the host reads as an
// address, a text it cannot read unchanged.
WString CLinkerSectionInfo::ToHostAddress(const std::string& stored) const {
    if (stored.empty()) {
        return WString();
    }
    hostText_.clear();
    tarnui::AppendUtf8ToUtf16(stored, hostText_);
    uint32_t value = 0;
    if (conversion_ != nullptr && Failed(conversion_->TextToAddress(hostText_, 16, &value))) {
        return hostText_;
    }
    WString text;
    text.reserve(2 + hostText_.size());
    text += u"0x";
    text += hostText_;
    return text;
}

int CLinkerSectionInfo::GetEntries(LinkerSectionRows& rows) const {
    FreeLinkerSectionRows(rows);
    rows.reserve(entries_.size());
    for (const auto& entry : entries_) {
        rows.push_back(std::make_unique<tagLinkerSectionInfo>(*entry));
    }
    return static_cast<int>(rows.size());
}

int CLinkerSectionInfo::SetEntries(const LinkerSectionRows& rows) {
    FreeLinkerSectionRows(entries_);
    entries_.reserve(rows.size());
    for (const auto& row : rows) {
        if (row != nullptr) {
            entries_.push_back(std::make_unique<tagLinkerSectionInfo>(*row));
        }
    }
    return OfferEntries();
}

int CLinkerSectionInfo::SetEntries(LinkerSectionRows&& rows) {
    entries_ = std::move(rows);
    rows.clear();
    std::erase(entries_, nullptr);
    return OfferEntries();
}

int CLinkerSectionInfo::OfferEntries() {
    auto* options = GetHostService<IBraeLinkerOptions>(host_, kIdLinkerOptionService);
    if (options == nullptr) {
        return 0;
    }
    wholeTextMode_ = AsksWholeText(options) ? 1 : 0;
    // The host pulls the groups through this object while it takes them.
    return options->TakeSectionSettings(context1_, context2_, context3_, this) == kStatusOk ? 1 : 0;
}

int CLinkerSectionInfo::GetOptionFlags(uint32_t* word, uint32_t* second) {
    uint32_t w = 0;
    uint32_t s = 0;
    auto* options = GetHostService<IBraeLinkerOptions>(host_, kIdLinkerOptionService);
    const bool ok =
        options != nullptr && Succeeded(options->GetCapabilities(context1_, context2_, &w, &s));
    if (!ok) {
        w = 0;
        s = 0;
    }
    if (word != nullptr) {
        *word = w;
    }
    if (second != nullptr) {
        *second = s;
    }
    return ok ? 1 : 0;
}

int CLinkerSectionInfo::GetSettingState(int32_t* state) {
    auto* options = GetHostService<IBraeLinkerOptions>(host_, kIdLinkerOptionService);
    int32_t value = 0;
    if (options == nullptr ||
        Failed(options->GetSettingState(context1_, context2_, context3_, &value))) {
        return 0;
    }
    settingState_ = value;
    if (state != nullptr) {
        *state = value;
    }
    return 1;
}

void CLinkerSectionInfo::FreeLinkerSectionRows(LinkerSectionRows& rows) {
    rows.clear();
}

HResult CLinkerSectionInfo::QueryInterface(const TarnId& id, void** out) {
    if (out == nullptr) {
        return kStatusFail;
    }
    if (id == kIdIUnknown || id == kIdIBraeLinkerSections) {
        *out = static_cast<IBraeLinkerSections*>(this);
        return kStatusOk;
    }
    *out = nullptr;
    return kStatusNoInterface;
}

const tagLinkerSectionInfo* CLinkerSectionInfo::Group(int32_t group) const {
    if (group < 1 || static_cast<size_t>(group) > entries_.size()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(group) - 1].get();
}

HResult CLinkerSectionInfo::GetGroupCount(int32_t* count) {
    if (count == nullptr) {
        return kStatusFail;
    }
    *count = static_cast<int32_t>(entries_.size());
    return kStatusOk;
}

HResult CLinkerSectionInfo::GetAddressCount(int32_t group, int32_t* count) {
    const tagLinkerSectionInfo* entry = Group(group);
    if (entry == nullptr || count == nullptr) {
        return kStatusFail;
    }
    *count = static_cast<int32_t>(entry->startAddresses.size());
    return kStatusOk;
}

HResult CLinkerSectionInfo::GetAddress(int32_t group, int32_t address, WString* start,
                                       WString* end) {
    const tagLinkerSectionInfo* entry = Group(group);
    if (entry == nullptr || start == nullptr || end == nullptr || address < 1 ||
        static_cast<size_t>(address) > entry->startAddresses.size()) {
        return kStatusFail;
    }
    const size_t index = static_cast<size_t>(address) - 1;
    *start = ToHostAddress(entry->startAddresses[index]);
    // The end list is parallel to the start list; a missing end counts as no end.
    *end =
        index < entry->endAddresses.size() ? ToHostAddress(entry->endAddresses[index]) : WString();
    return kStatusOk;
}

HResult CLinkerSectionInfo::GetItemCount(int32_t group, int32_t* count) {
    const tagLinkerSectionInfo* entry = Group(group);
    if (entry == nullptr || count == nullptr) {
        return kStatusFail;
    }
    *count =
        wholeTextMode_ != 0 ? 1 : static_cast<int32_t>(SplitWords(entry->sections, ':').size());
    return kStatusOk;
}

HResult CLinkerSectionInfo::GetItem(int32_t group, int32_t item, HostStringList* names) {
    const tagLinkerSectionInfo* entry = Group(group);
    if (entry == nullptr || names == nullptr) {
        return kStatusFail;
    }
    HostStringList list;
    if (wholeTextMode_ != 0) {
        if (item != 1) {
            return kStatusFail;
        }
        list.elements.push_back(tarnui::Utf8ToUtf16(entry->sections));
    } else {
        const auto items = SplitWords(entry->sections, ':');
        if (item < 1 || static_cast<size_t>(item) > items.size()) {
            return kStatusFail;
        }
        for (std::string_view name : SplitWords(items[static_cast<size_t>(item) - 1], ',')) {
            list.elements.push_back(tarnui::Utf8ToUtf16(name));
        }
    }
    *names = std::move(list);
    return kStatusOk;
}
