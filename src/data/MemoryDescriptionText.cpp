#include "src/data/MemoryDescriptionText.h"

#include "src/data/LinkMapText.h"

namespace {

constexpr std::string_view kRecordSeparator = "] [";
constexpr std::string_view kBlanks = " \t\r\n";

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view TrimChars(std::string_view text, char front, char back) {
    while (!text.empty() && text.front() == front) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == back) {
        text.remove_suffix(1);
    }
    return text;
}

void AppendBracketed(std::vector<std::string>& records, std::string_view record) {
    std::string text;
    text.reserve(record.size() + 2);
    if (record.front() != '[') {
        text += '[';
    }
    text += record;
    if (text.back() != ']' || text.size() == 1) {
        text += ']';
    }
    records.push_back(std::move(text));
}

}  // namespace

std::vector<std::string> CutDescriptionRecords(std::string_view description) {
    std::vector<std::string> records;
    description = TrimBlanks(description);
    const std::size_t firstBracket = description.find('[');
    const std::string_view leading = TrimBlanks(description.substr(0, firstBracket));
    if (!leading.empty()) {
        AppendBracketed(records, leading);
    }
    if (firstBracket == std::string_view::npos) {
        return records;
    }
    std::size_t position = firstBracket;
    for (;;) {
        const std::size_t separator = description.find(kRecordSeparator, position);
        if (separator == std::string_view::npos) {
            AppendBracketed(records, description.substr(position));
            return records;
        }
        AppendBracketed(records, description.substr(position, separator + 1 - position));
        position = separator + 2;
    }
}

DescriptionRecordKind ClassifyRecord(std::string_view record) {
    if (record.empty()) {
        return DescriptionRecordKind::kOther;
    }
    const std::string_view body = record.substr(1);
    if (body.starts_with(kRecordTagMap)) {
        return DescriptionRecordKind::kMap;
    }
    if (body.starts_with(kRecordTagResource)) {
        return DescriptionRecordKind::kResource;
    }
    if (body.starts_with(kRecordTagVersion)) {
        return DescriptionRecordKind::kVersion;
    }
    if (body.starts_with(kRecordTagCpuType)) {
        return DescriptionRecordKind::kCpuType;
    }
    return DescriptionRecordKind::kOther;
}

std::vector<DescriptionItem> RecordItems(std::string_view record, std::string_view tag) {
    std::string_view content = TrimChars(record, '[', ']');
    if (content.starts_with(tag)) {
        content.remove_prefix(tag.size());
    }
    content = TrimChars(content, '"', '"');
    std::vector<DescriptionItem> items;
    for (std::string_view word : linkmap::SplitWords(content, ' ')) {
        DescriptionItem item;
        for (std::string_view field : linkmap::SplitWords(word, ',')) {
            item.fields.emplace_back(field);
        }
        item.text = word;
        items.push_back(std::move(item));
    }
    return items;
}

std::string ComposeResourceRecord(const std::vector<std::string>& items) {
    std::string record = "[";
    record += kRecordTagResource;
    record += '"';
    const std::string* previous = nullptr;  // the item written before this one
    for (const std::string& item : items) {
        if (item.empty()) {
            continue;
        }
        if (previous == nullptr) {
            if (item.front() == '"') {
                record += ' ';
            }
        } else {
            record += ' ';
            if (previous->back() == ']' && item.front() == '[') {
                record += ' ';
            }
        }
        record += item;
        previous = &item;
    }
    if (previous != nullptr && previous->back() == '"') {
        record += ' ';
    }
    record += "\"]";
    return record;
}

std::string JoinRecords(const std::vector<std::string_view>& records) {
    std::size_t length = 0;
    for (std::string_view record : records) {
        length += record.size() + 1;
    }
    std::string text;
    text.reserve(length);
    for (std::string_view record : records) {
        if (record.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += record;
    }
    return text;
}
