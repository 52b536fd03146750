#include "host/cli/EscapedTexts.h"

#include "host/cli/RowWriter.h"
#include "host/cli/TextFields.h"

namespace tarncli {

EscapedTexts::EscapedTexts(const std::vector<std::string_view>& texts) {
    size_t room = RowWriter::kPaddedRead + kEscapeSlack;
    for (std::string_view text : texts)
        room += 2 * text.size();
    store_.resize(room);
    starts_.reserve(texts.size() + 1);
    char* at = store_.data();
    for (std::string_view text : texts) {
        starts_.push_back(static_cast<size_t>(at - store_.data()));
        at = WriteEscaped(at, text);
    }
    starts_.push_back(static_cast<size_t>(at - store_.data()));
}

}  // namespace tarncli
