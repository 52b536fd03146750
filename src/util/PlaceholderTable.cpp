#include "src/util/PlaceholderTable.h"

#include <array>
#include <cstddef>

namespace placeholder {
namespace {

constexpr std::string_view kPrefixMark = "***";

struct Entry {
    std::string_view longName;
    std::string_view shortName;
};

// Position i holds the names of index i; the first and last positions are "ERROR".
// clang-format off
constexpr std::array<Entry, kLastIndex + 2> kTable = {{
    {"ERROR", "ERROR"},
    {"FULLFILE", "FF"},
    {"FILENAME", "FN"},
    {"FILELEAF", "FL"},
    {"FILEDIR", "FD"},
    {"EXTENSION", "EX"},
    {"BRAEDIR", "BD"},
    {"TEMPDIR", "TD"},
    {"WORKSPDIR", "WD"},
    {"WORKSPNAME", "WN"},
    {"PROJDIR", "PD"},
    {"PROJECTNAME", "PN"},
    {"CONFIGNAME", "CN"},
    {"CONFIGDIR", "CD"},
    {"TCINSTALL", "TI"},
    {"EXEDIR", "ED"},
    {"EXENAME", "EN"},
    {"WINDIR", "WR"},
    {"WINSYSDIR", "WS"},
    {"LINE", "LN"},
    {"TOOLDIR", "TD"},        // reached by its long name only: "TD" is TEMPDIR
    {"BRAE_HWND", "BH"},
    {"BRAE_ID", "BI"},
    {"TIME", "TM"},
    {"DATE_TEXT", "DT"},
    {"DATE_DMY", "DD"},
    {"DATE_MDY", "DM"},
    {"DATE_YMD", "DY"},
    {"USER", "UR"},
    {"CURSOR", "CU"},
    {"PAGENO", "PN"},         // reached by its long name only: "PN" is PROJECTNAME
    {"LEFT", "LT"},
    {"CENTRE", "CR"},
    {"RIGHT", "RT"},
    {"USERINPUT***", "UI***"},
    {"DEVICEDETAILS", "DE"},
    {"ERROR", "ERROR"},
}};
// clang-format on

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool Matches(std::string_view entry, std::string_view name) {
    if (!entry.ends_with(kPrefixMark)) {
        return entry == name;
    }
    const std::string_view prefix = entry.substr(0, entry.size() - kPrefixMark.size());
    if (name.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (Upper(name[i]) != Upper(prefix[i])) {
            return false;
        }
    }
    return true;
}

TableMatch Search(std::string_view Entry::*names, std::string_view name) {
    for (size_t i = 0; i < kTable.size(); ++i) {
        if (Matches(kTable[i].*names, name)) {
            if (i < kFirstIndex || i > kLastIndex) {
                return {TableMatch::kError, 0};
            }
            return {TableMatch::kEntry, static_cast<int>(i)};
        }
    }
    return {};
}

bool IsIndex(int index) {
    return index >= kFirstIndex && index <= kLastIndex;
}

}  // namespace

TableMatch LookUp(std::string_view name) {
    const TableMatch byLongName = Search(&Entry::longName, name);
    return byLongName.kind != TableMatch::kUnknown ? byLongName : Search(&Entry::shortName, name);
}

std::string_view LongName(int index) {
    return IsIndex(index) ? kTable[static_cast<size_t>(index)].longName : std::string_view();
}

std::string_view ShortName(int index) {
    return IsIndex(index) ? kTable[static_cast<size_t>(index)].shortName : std::string_view();
}

std::string LongForm(int index) {
    std::string form = "$(";
    form += LongName(index);
    form += ")";
    return form;
}

}  // namespace placeholder
