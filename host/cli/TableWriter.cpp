#include "host/cli/TableWriter.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <iterator>
#include <nlohmann/json.hpp>
#include <ostream>

#include "host/cli/RowWriter.h"
#include "host/cli/TextFields.h"

namespace tarncli {
namespace {

constexpr size_t kBlockSize = 64 * 1024;

// At least 8 upper-case hexadecimal digits, more when the value needs them.
char* WriteWideHex(char* out, uint64_t value) {
    if (value <= 0xFFFFFFFFu) {
        return WriteHex(out, static_cast<uint32_t>(value));
    }
    char* const end = std::to_chars(out, out + 16, value, 16).ptr;
    std::transform(out, end, out, [](char c) { return c >= 'a' ? static_cast<char>(c - 32) : c; });
    return end;
}

// Tab-separated rows through the command line's row writer, which escapes the texts.
class TsvWriter final : public TableWriter {
public:
    TsvWriter(std::ostream& out, std::vector<std::string> columns)
        : TableWriter(out, std::move(columns)), rows_(out) {
        tsv_ = &rows_;
    }

private:
    void Field(size_t /*column*/, Kind kind, std::string_view text) override {
        if (kind == Kind::kText) {
            rows_.Text(text);
        } else {
            rows_.Plain(text);
        }
    }
    void RowEnd() override { rows_.EndRow(); }
    void TableEnd() override { rows_.Flush(); }

    RowWriter rows_;
};

class CsvWriter final : public TableWriter {
public:
    CsvWriter(std::ostream& out, std::vector<std::string> columns)
        : TableWriter(out, std::move(columns)) {}

private:
    void Field(size_t column, Kind kind, std::string_view text) override {
        if (column > 0) {
            buffer_ += ',';
        }
        if (kind != Kind::kText || text.find_first_of(",\"\r\n") == std::string_view::npos) {
            buffer_ += text;
            return;
        }
        buffer_ += '"';
        for (char c : text) {
            if (c == '"') {
                buffer_ += '"';
            }
            buffer_ += c;
        }
        buffer_ += '"';
    }
    void RowEnd() override { buffer_ += "\r\n"; }
};

// Texts that are not valid UTF-8 get U+FFFD in place of the bad bytes: JSON holds Unicode only.
void AppendJsonString(std::string& out, std::string_view text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (plain) {  // the common case, which needs no escaping
        out += '"';
        out += text;
        out += '"';
    } else {
        out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
}

class JsonWriter final : public TableWriter {
public:
    JsonWriter(std::ostream& out, std::vector<std::string> columns)
        : TableWriter(out, std::move(columns)) {}

private:
    void Field(size_t column, Kind kind, std::string_view text) override {
        if (column == 0) {
            buffer_ += rows_ == 0 ? "\n{" : ",\n{";
        } else {
            buffer_ += ',';
        }
        buffer_ += keys_.at(column);
        switch (kind) {
            case Kind::kText:
                AppendJsonString(buffer_, text);
                break;
            case Kind::kNumber:
                buffer_ += text;
                break;
            case Kind::kEmpty:
                buffer_ += "null";
                break;
        }
    }
    void RowEnd() override {
        buffer_ += '}';
        ++rows_;
    }
    void TableStart() override {
        for (const auto& column : columns_) {
            std::string key;
            AppendJsonString(key, column);
            keys_.push_back(key + ":");
        }
        buffer_ += '[';
    }
    void TableEnd() override { buffer_ += rows_ == 0 ? "]\n" : "\n]\n"; }
    bool DecimalNumbers() const override { return true; }

    std::vector<std::string> keys_;
    size_t rows_ = 0;
};

}  // namespace

std::optional<OutputFormat> ParseOutputFormat(std::string_view word) {
    if (word == "tsv") {
        return OutputFormat::kTsv;
    }
    if (word == "csv") {
        return OutputFormat::kCsv;
    }
    if (word == "json") {
        return OutputFormat::kJson;
    }
    return std::nullopt;
}

std::unique_ptr<TableWriter> TableWriter::Create(OutputFormat format, std::ostream& out,
                                                 std::vector<std::string> columns) {
    std::unique_ptr<TableWriter> writer;
    switch (format) {
        case OutputFormat::kCsv:
            writer = std::make_unique<CsvWriter>(out, std::move(columns));
            break;
        case OutputFormat::kJson:
            writer = std::make_unique<JsonWriter>(out, std::move(columns));
            break;
        case OutputFormat::kTsv:
            writer = std::make_unique<TsvWriter>(out, std::move(columns));
            break;
    }
    writer->TableStart();
    return writer;
}

void TableWriter::TableStart() {
    for (const std::string& column : columns_) {
        Text(column);
    }
    EndRow();
}

TableWriter& TableWriter::Put(Kind kind, std::string_view text) {
    Field(column_++, kind, text);
    return *this;
}

TableWriter& TableWriter::FormattedHex(uint64_t value) {
    char text[24];
    const char* const end = DecimalNumbers() ? std::to_chars(text, std::end(text), value).ptr
                                             : WriteWideHex(text, value);
    return Put(Kind::kNumber, {text, static_cast<size_t>(end - text)});
}

TableWriter& TableWriter::FormattedSignedHex(int64_t value) {
    char text[24];
    const char* end = nullptr;
    if (DecimalNumbers()) {
        end = std::to_chars(text, std::end(text), value).ptr;
    } else {
        const uint64_t magnitude =
            value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        text[0] = value < 0 ? '-' : '+';
        end = WriteWideHex(text + 1, magnitude);
    }
    const std::string_view field(text, static_cast<size_t>(end - text));
    if (tsv_ != nullptr) {
        tsv_->Plain(field);
        return *this;
    }
    return Put(Kind::kNumber, field);
}

TableWriter& TableWriter::Percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    Put(Kind::kNumber, text);
    return *this;
}

void TableWriter::EndFormattedRow() {
    RowEnd();
    column_ = 0;
    if (buffer_.size() >= kBlockSize) {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }
}

bool TableWriter::Finish() {
    TableEnd();
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    out_.flush();
    return static_cast<bool>(out_);
}

}  // namespace tarncli
