#include "host/cli/RowWriter.h"

#include <array>
#include <ostream>

namespace tarncli {
namespace {

constexpr size_t kBlockSize = 256 * 1024;

// The letter after the backslash for each character that is written escaped; 0 for the others.
constexpr std::array<char, 256> kEscapeLetters = [] {
    std::array<char, 256> letters{};
    letters['\t'] = 't';
    letters['\n'] = 'n';
    letters['\r'] = 'r';
    letters['\\'] = '\\';
    return letters;
}();

}  // namespace

RowWriter::RowWriter(std::ostream& out)
    : out_(out),
      buffer_(std::make_unique_for_overwrite<char[]>(kBlockSize)),
      capacity_(kBlockSize) {}

RowWriter::~RowWriter() {
    Flush();
}

char* RowWriter::Room(size_t size) {
    if (capacity_ - used_ < size) {
        WriteOut();
        if (capacity_ < size) {  // a text longer than a block
            capacity_ = size;
            buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
        }
    }
    return buffer_.get() + used_;
}

void RowWriter::WriteOut() {
    out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

RowWriter& RowWriter::Text(std::string_view text) {
    // Room for a tab and every character escaped.
    char* const start = Room(2 * text.size() + 1);
    char* at = start;
    if (rowStarted_) {
        *at++ = '\t';
    }
    rowStarted_ = true;
    for (char c : text) {
        const char letter = kEscapeLetters[static_cast<unsigned char>(c)];
        if (letter == 0) {
            *at++ = c;
        } else {
            *at++ = '\\';
            *at++ = letter;
        }
    }
    used_ += static_cast<size_t>(at - start);
    return *this;
}

RowWriter& RowWriter::Hex(uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char* const start = Room(9);
    char* at = start;
    if (rowStarted_) {
        *at++ = '\t';
    }
    rowStarted_ = true;
    for (int shift = 28; shift >= 0; shift -= 4) {
        *at++ = kDigits[(value >> shift) & 0xF];
    }
    used_ += static_cast<size_t>(at - start);
    return *this;
}

void RowWriter::EndRow() {
    *Room(1) = '\n';
    ++used_;
    rowStarted_ = false;
}

void RowWriter::Row(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts)
        Text(text);
    EndRow();
}

void RowWriter::Flush() {
    WriteOut();
    out_.flush();
}

}  // namespace tarncli
