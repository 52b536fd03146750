// Writes the command line's tab-separated rows with the fields of TextFields.h: rows are
// collected in a large buffer and written to the stream a block at a time.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
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
        // Room for every character escaped.
        return Field(2 * text.size() + kEscapeSlack,
                     [text](char* at) { return WriteEscaped(at, text); });
    }
    RowWriter& Hex(uint32_t value) {
        return Field(8, [value](char* at) { return WriteHex(at, value); });
    }
    // A size difference of at most 8 digits: its sign, then the digits.
    RowWriter& SignedHex(bool negative, uint32_t magnitude) {
        return Field(9, [negative, magnitude](char* at) {
            *at++ = negative ? '-' : '+';
            return WriteHex(at, magnitude);
        });
    }
    // A field that needs no escaping, such as a number already formatted.
    RowWriter& Plain(std::string_view text) {
        return Field(text.size(),
                     [text](char* at) { return std::copy(text.begin(), text.end(), at); });
    }
    void EndRow() {
        *Room(1) = '\n';
        ++used_;
        rowStarted_ = false;
    }
    // Bytes that RowCursor::Padded may read past the start of its text, whatever its size.
    static constexpr size_t kPaddedRead = 32;

    // The fields of one row written at a cursor of its own, which stays in a register: the
    // writer's members, which any byte written might alias, are read once for the row, not
    // once a field. Each field is followed by a tab, which EndRow turns into the newline.
    class RowCursor {
    public:
        // The most that each field takes, for the room StartRow asks for.
        static size_t TextRoom(std::string_view text) { return 2 * text.size() + kEscapeSlack + 1; }
        static constexpr size_t kHexRoom = 9;
        static size_t PaddedRoom(std::string_view escaped) {
            return std::max(escaped.size(), kPaddedRead) + 1;
        }

        RowCursor& Text(std::string_view text) { return Tab(WriteEscaped(at_, text)); }
        RowCursor& Hex(uint32_t value) { return Tab(WriteHex(at_, value)); }
        // A text already escaped, such as one of EscapedTexts, whose bytes can be read
        // kPaddedRead past its start: a short one is copied in one fixed-size move.
        RowCursor& Padded(std::string_view escaped) {
            if (escaped.size() <= kPaddedRead) {
                std::memcpy(at_, escaped.data(), kPaddedRead);
            } else {
                std::memcpy(at_, escaped.data(), escaped.size());
            }
            return Tab(at_ + escaped.size());
        }

    private:
        friend class RowWriter;
        explicit RowCursor(char* at) : at_(at) {}
        RowCursor& Tab(char* end) {
            *end = '\t';
            at_ = end + 1;
            return *this;
        }
        char* at_;
    };
    // A row of at least one field, of at most room bytes with its tabs and newline.
    RowCursor StartRow(size_t room) { return RowCursor(Room(room)); }
    void EndRow(const RowCursor& row) {
        row.at_[-1] = '\n';
        used_ = static_cast<size_t>(row.at_ - buffer_.get());
    }

    // A whole row of texts, such as a header.
    void Row(std::initializer_list<std::string_view> texts);
    // Hands the buffer to the stream and flushes it.
    void Flush();

private:
    // A field of at most size characters, which write puts at the pointer it is given and
    // returns the end of; a tab before it when it is not the row's first.
    template <class Write>
    RowWriter& Field(size_t size, Write&& write) {
        char* at = Room(size + 1);
        char* const start = at;
        if (rowStarted_) {
            *at++ = '\t';
        }
        rowStarted_ = true;
        at = write(at);
        used_ += static_cast<size_t>(at - start);
        return *this;
    }
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
