#include "host/cli/RowWriter.h"

#include <ostream>

namespace tarncli {
namespace {

constexpr size_t kBlockSize = 256 * 1024;

// The letter after the backslash for a character that is written escaped; 0 for the others.
char EscapeLetter(char c) {
    switch (c) {
        case '\t':
            return 't';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\\':
            return '\\';
        default:
            return 0;
    }
}

}  // namespace

RowWriter::RowWriter(std::ostream& out) : out_(out) {
    buffer_.reserve(kBlockSize + 4096);
}

RowWriter::~RowWriter() {
    Flush();
}

void RowWriter::Separate() {
    if (rowStarted_) {
        buffer_ += '\t';
    }
    rowStarted_ = true;
}

RowWriter& RowWriter::Text(std::string_view text) {
    Separate();
    // Plain runs are copied whole; only the four special characters are written one by one.
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char letter = EscapeLetter(text[i]);
        if (letter != 0) {
            buffer_.append(text.data() + plain, i - plain);
            buffer_ += '\\';
            buffer_ += letter;
            plain = i + 1;
        }
    }
    buffer_.append(text.data() + plain, text.size() - plain);
    return *this;
}

RowWriter& RowWriter::Hex(uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    Separate();
    char digits[8];
    for (int i = 7; i >= 0; --i) {
        digits[i] = kDigits[value & 0xF];
        value >>= 4;
    }
    buffer_.append(digits, sizeof digits);
    return *this;
}

void RowWriter::EndRow() {
    buffer_ += '\n';
    rowStarted_ = false;
    if (buffer_.size() >= kBlockSize) {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }
}

void RowWriter::Row(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts)
        Text(text);
    EndRow();
}

void RowWriter::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    out_.flush();
}

}  // namespace tarncli
