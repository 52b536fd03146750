// Writes the command line's tables in one of three formats, a row at a time:
// - tsv (the format export always had): a header line, then tab-separated rows; addresses and
//   sizes as 8 upper-case hexadecimal digits, texts escaped as RowWriter does;
// - csv: the same fields separated by commas, a field quoted when it holds a comma, a double
//   quote, a carriage return or a line feed (quotes doubled), records ending in CRLF;
// - json: one array of objects whose keys are the header's column names; addresses, sizes
//   and differences as numbers, empty fields as null.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/RowWriter.h"

namespace tarncli {

enum class OutputFormat { kTsv, kCsv, kJson };

// "tsv", "csv" or "json"; nothing for any other word.
std::optional<OutputFormat> ParseOutputFormat(std::string_view word);

class TableWriter {
public:
    // Writes the header (tsv, csv) or the opening bracket (json) at once.
    static std::unique_ptr<TableWriter> Create(OutputFormat format, std::ostream& out,
                                               std::vector<std::string> columns);
    virtual ~TableWriter() = default;

    // The common fields go straight to the row writer for tsv (inline: a diff writes a million
    // fields), through the format's Field otherwise.
    TableWriter& Text(std::string_view text) {
        if (tsv_ != nullptr) {
            tsv_->Text(text);
            return *this;
        }
        return Put(Kind::kText, text);
    }
    // An address or size: 8 hexadecimal digits (more when it needs them), a number in json.
    TableWriter& Hex(uint64_t value) {
        if (tsv_ != nullptr && value <= 0xFFFFFFFFu) {
            tsv_->Hex(static_cast<uint32_t>(value));
            return *this;
        }
        return FormattedHex(value);
    }
    // A size difference: a sign and hexadecimal digits ("+00000010", "-00000004").
    TableWriter& SignedHex(int64_t value) {
        const uint64_t magnitude =
            value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        if (tsv_ != nullptr && magnitude <= 0xFFFFFFFFu) {
            tsv_->SignedHex(value < 0, static_cast<uint32_t>(magnitude));
            return *this;
        }
        return FormattedSignedHex(value);
    }
    // A percentage with one decimal ("45.3").
    TableWriter& Percent(double value);
    TableWriter& Empty() {
        if (tsv_ != nullptr) {
            tsv_->Plain({});
            return *this;
        }
        return Put(Kind::kEmpty, {});
    }
    void EndRow() {
        if (tsv_ != nullptr) {
            tsv_->EndRow();
            return;
        }
        EndFormattedRow();
    }
    // Ends the table (json's closing bracket) and flushes. True when everything was written.
    bool Finish();

protected:
    TableWriter(std::ostream& out, std::vector<std::string> columns)
        : out_(out), columns_(std::move(columns)) {}

    enum class Kind { kText, kNumber, kEmpty };
    // Appends one field to the row under construction; column is its position.
    virtual void Field(size_t column, Kind kind, std::string_view text) = 0;
    virtual void RowEnd() = 0;
    // The header row by default.
    virtual void TableStart();
    virtual void TableEnd() {}
    // Whether numbers are written in decimal (json) rather than as hexadecimal text.
    virtual bool DecimalNumbers() const { return false; }

    std::ostream& out_;
    const std::vector<std::string> columns_;
    std::string buffer_;  // written out a block at a time
    RowWriter* tsv_ = nullptr;  // tsv's row writer, which takes the fields directly

private:
    TableWriter& Put(Kind kind, std::string_view text);
    TableWriter& FormattedHex(uint64_t value);
    TableWriter& FormattedSignedHex(int64_t value);
    void EndFormattedRow();
    size_t column_ = 0;
};

}  // namespace tarncli
