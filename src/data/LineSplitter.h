// Cuts a byte stream, fed in blocks of any size, into lines. A line ends at a line feed; a
// carriage return right before the line feed belongs to the line end, so a CR LF file gives
// the same lines as its LF twin. A last line without a line feed is a line too.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/text/ByteMatch.h"

namespace linkmap {

class LineSplitter {
public:
    // Hands every complete line of the block to onLine, which returns false to stop the
    // reading. Returns false once onLine has asked to stop. The line feeds of each whole
    // 64 bytes are found at once as a bit mask; the rest of the block is searched with memchr.
    template <class OnLine>
    bool Feed(std::string_view block, OnLine&& onLine) {
        const char* const data = block.data();
        const size_t size = block.size();
        size_t start = 0;  // where the line that has not been handed over yet begins
        size_t at = 0;
        for (; at + 64 <= size; at += 64) {
            for (uint64_t feeds = tarnui::MatchSixtyFour(data + at, '\n'); feeds != 0;
                 feeds &= feeds - 1) {
                const size_t end = at + static_cast<size_t>(std::countr_zero(feeds));
                if (!Hand(std::string_view(data + start, end - start), onLine)) {
                    return false;
                }
                start = end + 1;
            }
        }
        while (at < size) {
            const void* found = std::memchr(data + at, '\n', size - at);
            if (found == nullptr) {
                break;
            }
            const auto end = static_cast<size_t>(static_cast<const char*>(found) - data);
            if (!Hand(std::string_view(data + start, end - start), onLine)) {
                return false;
            }
            start = at = end + 1;
        }
        carry_.append(data + start, size - start);
        return true;
    }

    // Hands over the last line when the stream did not end with a line feed.
    template <class OnLine>
    void Finish(OnLine&& onLine) {
        if (!carry_.empty()) {
            onLine(std::string_view(carry_));
        }
        carry_.clear();
        carry_.shrink_to_fit();
    }

private:
    // One line to onLine: the carried start of a line joins it, a carriage return before its
    // line feed goes.
    template <class OnLine>
    bool Hand(std::string_view line, OnLine& onLine) {
        if (!carry_.empty()) {
            carry_.append(line);
            line = carry_;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const bool more = onLine(line);
        carry_.clear();
        return more;
    }

    std::string carry_;  // the start of a line that runs past the end of a block
};

}  // namespace linkmap
