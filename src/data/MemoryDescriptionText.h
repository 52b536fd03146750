// The text form of the memory resource description: records in square brackets separated
// by "] [", cut apart when read and put together again when written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kRecordTagMap = "S|MAP|";
inline constexpr std::string_view kRecordTagResource = "S|RESOURCE|";
inline constexpr std::string_view kRecordTagVersion = "V|VERSION|";
inline constexpr std::string_view kRecordTagCpuType = "S|CPUTYPE|";

enum class DescriptionRecordKind { kMap, kResource, kVersion, kCpuType, kOther };

// Cuts the description into its records, in order. Every record comes back enclosed in
// brackets, so that writing the records again joined by single spaces cuts the same way:
// a last record without its closing bracket gets one, text before the first "[" becomes a
// record of its own, blanks around the whole description are dropped. An empty description
// has no records.
std::vector<std::string> CutDescriptionRecords(std::string_view description);

// The kind of a record, from the tag right after its opening bracket (case matters).
DescriptionRecordKind ClassifyRecord(std::string_view record);

// One item of a map or resource record: its text and its comma-separated fields.
struct DescriptionItem {
    std::string text;
    std::vector<std::string> fields;
};

// The items of a record: brackets, the tag and the enclosing double quotes removed, split at
// spaces, each item split at commas. Runs of separators give no empty items or fields.
std::vector<DescriptionItem> RecordItems(std::string_view record, std::string_view tag);

// The resource record holding the items in order, separated by single spaces. Where an item
// would read back differently (an item ending in "]" before one starting with "[", a
// double quote next to the enclosing quotes) a further blank keeps them apart.
std::string ComposeResourceRecord(const std::vector<std::string>& items);

// The records joined by single spaces; empty records are left out.
std::string JoinRecords(const std::vector<std::string_view>& records);
