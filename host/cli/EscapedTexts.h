// Texts that repeat from row to row of an export, each escaped once as WriteEscaped does, for
// RowWriter::Padded to copy into every row that has them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarncli {

class EscapedTexts {
public:
    // Escapes texts[i] as the text of number i.
    explicit EscapedTexts(const std::vector<std::string_view>& texts);

    // The escaped text of a number; its bytes can be read RowWriter::kPaddedRead past its
    // start whatever its size.
    std::string_view operator[](uint32_t id) const {
        return {store_.data() + starts_[id], starts_[id + 1] - starts_[id]};
    }

private:
    std::string store_;           // the escaped texts one after the other, then the padding
    std::vector<size_t> starts_;  // where each begins in store_, and the end of the last
};

}  // namespace tarncli
