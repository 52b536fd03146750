// Writes the command line's tab-separated rows with the fields of TextFields.h: rows are
// collected in a large buffer and written to the stream a block at a time.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace tarncli {

class RowWriter {
public:
    explicit RowWriter(std::ostream& out);
    ~RowWriter();  // writes what is left
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    RowWriter& Text(std::string_view text);
    RowWriter& Hex(uint32_t value);
    // A field that needs no escaping, such as a number already formatted.
    RowWriter& Plain(std::string_view text);
    void EndRow();
    // A whole row of texts, such as a header.
    void Row(std::initializer_list<std::string_view> texts);
    // Hands the buffer to the stream and flushes it.
    void Flush();

private:
    // Room for size more characters; writes the buffer out first when it lacks the room.
    char* Room(size_t size);
    void WriteOut();

    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_;
    size_t used_ = 0;
    bool rowStarted_ = false;
};

}  // namespace tarncli
