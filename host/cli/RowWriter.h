// Writes the command line's tab-separated rows with the fields of TextFields.h: rows are
// collected in a large buffer and written to the stream a block at a time.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <string_view>

#include "host/cli/TextFields.h"

namespace tarncli {

class RowWriter {
public:
    explicit RowWriter(std::ostream& out);
    ~RowWriter();  // writes what is left
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    // Inline, as a large export writes millions of fields.
    RowWriter& Text(std::string_view text) {
        // Room for a tab and every character escaped.
        char* at = Room(2 * text.size() + 1 + kEscapeSlack);
        char* const start = at;
        if (rowStarted_) {
            *at++ = '\t';
        }
        rowStarted_ = true;
        at = WriteEscaped(at, text);
        used_ += static_cast<size_t>(at - start);
        return *this;
    }
    RowWriter& Hex(uint32_t value) {
        char* at = Room(9);
        char* const start = at;
        if (rowStarted_) {
            *at++ = '\t';
        }
        rowStarted_ = true;
        at = WriteHex(at, value);
        used_ += static_cast<size_t>(at - start);
        return *this;
    }
    // A size difference of at most 8 digits: its sign, then the digits.
    RowWriter& SignedHex(bool negative, uint32_t magnitude) {
        char* at = Room(10);
        char* const start = at;
        if (rowStarted_) {
            *at++ = '\t';
        }
        rowStarted_ = true;
        *at++ = negative ? '-' : '+';
        at = WriteHex(at, magnitude);
        used_ += static_cast<size_t>(at - start);
        return *this;
    }
    // A field that needs no escaping, such as a number already formatted.
    RowWriter& Plain(std::string_view text) {
        char* at = Room(text.size() + 1);
        char* const start = at;
        if (rowStarted_) {
            *at++ = '\t';
        }
        rowStarted_ = true;
        at = std::copy(text.begin(), text.end(), at);
        used_ += static_cast<size_t>(at - start);
        return *this;
    }
    void EndRow() {
        *Room(1) = '\n';
        ++used_;
        rowStarted_ = false;
    }
    // A whole row of texts, such as a header.
    void Row(std::initializer_list<std::string_view> texts);
    // Hands the buffer to the stream and flushes it.
    void Flush();

private:
    // Room for size more characters; writes the buffer out first when it lacks the room.
    char* Room(size_t size) {
        if (capacity_ - used_ < size) {
            MakeRoom(size);
        }
        return buffer_.get() + used_;
    }
    void MakeRoom(size_t size);
    void WriteOut();

    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_;
    size_t used_ = 0;
    bool rowStarted_ = false;
};

}  // namespace tarncli
