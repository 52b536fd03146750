#include "platform/controls/TextEditor.h"

#include <algorithm>

#include "platform/graphics/Font.h"

namespace tarnui {

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int BackToBoundary(const std::string& s, int pos) {
    while (pos > 0 && pos < static_cast<int>(s.size()) && IsContinuation(s[pos])) {
        --pos;
    }
    return pos;
}

int PreviousCharacter(const std::string& s, int pos) {
    if (pos <= 0) {
        return 0;
    }
    --pos;
    while (pos > 0 && IsContinuation(s[pos])) {
        --pos;
    }
    return pos;
}

int NextCharacter(const std::string& s, int pos) {
    const int n = static_cast<int>(s.size());
    if (pos >= n) {
        return n;
    }
    ++pos;
    while (pos < n && IsContinuation(s[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::vector<std::string_view> SplitCharacters(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i + 1;
        while (j < text.size() && IsContinuation(text[j])) {
            ++j;
        }
        out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

void TextEditor::SetText(std::string text) {
    text_ = std::move(text);
    selStart_ = selEnd_ = static_cast<int>(text_.size());
}

void TextEditor::SetSel(int start, int end) {
    const int n = static_cast<int>(text_.size());
    if (start < 0) {
        selEnd_ = selStart_;
        return;
    }
    if (end < 0) {
        end = n;
    }
    start = BackToBoundary(text_, std::clamp(start, 0, n));
    end = BackToBoundary(text_, std::clamp(end, 0, n));
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
}

std::string TextEditor::SelectedText() const {
    return text_.substr(selStart_, selEnd_ - selStart_);
}

void TextEditor::ReplaceSel(std::string_view text) {
    text_.replace(selStart_, selEnd_ - selStart_, text);
    selStart_ = selEnd_ = selStart_ + static_cast<int>(text.size());
}

EditOutcome TextEditor::Apply(std::string_view typed, std::string_view insert, int from, int to) {
    if (readOnly_) {
        return EditOutcome::Refused;
    }
    std::string proposed = text_;
    proposed.replace(from, to - from, insert);
    if (limit_ > 0 && !insert.empty() && CharacterCount(proposed) > limit_) {
        return EditOutcome::OverLimit;
    }
    if (filter_ && !filter_(typed, proposed)) {
        return EditOutcome::Refused;
    }
    // The caret goes after what was inserted even when the text comes out the same, as
    // when a character is typed over the same selected character.
    const int caret = from + static_cast<int>(insert.size());
    const bool same = proposed == text_;
    text_ = std::move(proposed);
    selStart_ = selEnd_ = caret;
    return same ? EditOutcome::Unchanged : EditOutcome::Changed;
}

EditOutcome TextEditor::TypeChar(std::string_view character) {
    return Apply(character, character, selStart_, selEnd_);
}

EditOutcome TextEditor::Paste(std::string_view text) {
    // As much of the pasted text as the limit leaves room for, whole characters only.
    std::string insert(text);
    if (limit_ > 0) {
        const int room = limit_ - (CharacterCount(text_) - CharacterCount(SelectedText()));
        std::string kept;
        int count = 0;
        for (std::string_view ch : SplitCharacters(text)) {
            if (count++ >= room) {
                break;
            }
            kept += ch;
        }
        if (kept.empty() && !text.empty()) {
            return EditOutcome::OverLimit;
        }
        insert = std::move(kept);
    }
    return Apply(text, insert, selStart_, selEnd_);
}

EditOutcome TextEditor::Backspace() {
    if (selStart_ != selEnd_) {
        return Apply("", "", selStart_, selEnd_);
    }
    if (selStart_ == 0) {
        return readOnly_ ? EditOutcome::Refused : EditOutcome::Unchanged;
    }
    return Apply("", "", PreviousCharacter(text_, selStart_), selStart_);
}

EditOutcome TextEditor::Delete() {
    if (selStart_ != selEnd_) {
        return Apply("", "", selStart_, selEnd_);
    }
    if (selStart_ >= static_cast<int>(text_.size())) {
        return readOnly_ ? EditOutcome::Refused : EditOutcome::Unchanged;
    }
    return Apply("", "", selStart_, NextCharacter(text_, selStart_));
}

}  // namespace tarnui
