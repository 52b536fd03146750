#include "host/cli/RowWriter.h"

#include <algorithm>
#include <ostream>

#include "host/cli/TextFields.h"

namespace tarncli {
namespace {

constexpr size_t kBlockSize = 256 * 1024;

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
    at = WriteEscaped(at, text);
    used_ += static_cast<size_t>(at - start);
    return *this;
}

RowWriter& RowWriter::Hex(uint32_t value) {
    char* const start = Room(9);
    char* at = start;
    if (rowStarted_) {
        *at++ = '\t';
    }
    rowStarted_ = true;
    at = WriteHex(at, value);
    used_ += static_cast<size_t>(at - start);
    return *this;
}

RowWriter& RowWriter::Plain(std::string_view text) {
    char* const start = Room(text.size() + 1);
    char* at = start;
    if (rowStarted_) {
        *at++ = '\t';
    }
    rowStarted_ = true;
    at = std::copy(text.begin(), text.end(), at);
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
