#include "host/cli/RowWriter.h"

#include <algorithm>
#include <ostream>

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

void RowWriter::MakeRoom(size_t size) {
    WriteOut();
    if (capacity_ < size) {  // a text longer than a block
        capacity_ = size;
        buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
    }
}

void RowWriter::WriteOut() {
    out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
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
