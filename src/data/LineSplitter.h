// Cuts a byte stream, fed in blocks of any size, into lines. A line ends at a line feed; a
// carriage return right before the line feed belongs to the line end, so a CR LF file gives
// the same lines as its LF twin. A last line without a line feed is a line too.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace linkmap {

class LineSplitter {
public:
    // Hands every complete line of the block to onLine, which returns false to stop the
    // reading. Returns false once onLine has asked to stop.
    template <class OnLine>
    bool Feed(std::string_view block, OnLine&& onLine) {
        while (!block.empty()) {
            const void* found = std::memchr(block.data(), '\n', block.size());
            if (found == nullptr) {
                carry_.append(block);
                return true;
            }
            const size_t length =
                static_cast<size_t>(static_cast<const char*>(found) - block.data());
            std::string_view line = block.substr(0, length);
            if (!carry_.empty()) {
                carry_.append(line);
                line = carry_;
            }
            block.remove_prefix(length + 1);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            const bool more = onLine(line);
            carry_.clear();
            if (!more) {
                return false;
            }
        }
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
    std::string carry_;  // the start of a line that runs past the end of a block
};

}  // namespace linkmap
