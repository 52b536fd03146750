// The editing state of a single-line text field, shared by edit controls and editable
// combo boxes: the text, the selection, a length limit, read-only, and a filter that may
// refuse an edit. Positions are byte offsets into the UTF-8 text, always on character
// boundaries; the limit counts characters.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnui {

// Decides whether an edit by the user is accepted: `typed` is the character typed (or the
// text pasted, or "" for a deletion), `proposed` the whole text as the edit would leave it.
using EditFilter = std::function<bool(std::string_view typed, const std::string& proposed)>;

enum class EditOutcome {
    Changed,    // the text changed
    Unchanged,  // accepted, nothing to change (e.g. backspace at the start)
    Refused,    // read-only, over the limit or refused by the filter: text kept as it was
    OverLimit,  // refused because of the limit
};

class TextEditor {
public:
    const std::string& Text() const { return text_; }
    // Sets the text as code does: no filter, no limit; the caret goes to the end.
    void SetText(std::string text);

    int SelStart() const { return selStart_; }
    int SelEnd() const { return selEnd_; }
    // Clamped to the text and moved back to character boundaries; -1 as end means the end
    // of the text; start -1 removes the selection (caret stays at the start).
    void SetSel(int start, int end);
    std::string SelectedText() const;
    // Replaces the selection as code does (no filter, no limit).
    void ReplaceSel(std::string_view text);

    void SetLimit(int characters) { limit_ = characters < 0 ? 0 : characters; }
    int Limit() const { return limit_; }  // 0: no limit
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool IsReadOnly() const { return readOnly_; }
    void SetFilter(EditFilter filter) { filter_ = std::move(filter); }

    // User edits.
    EditOutcome TypeChar(std::string_view character);
    EditOutcome Paste(std::string_view text);
    EditOutcome Backspace();
    EditOutcome Delete();

private:
    EditOutcome Apply(std::string_view typed, std::string_view insert, int from, int to);

    std::string text_;
    int selStart_ = 0, selEnd_ = 0;
    int limit_ = 0;
    bool readOnly_ = false;
    EditFilter filter_;
};

// Splits UTF-8 text into its characters.
std::vector<std::string_view> SplitCharacters(std::string_view text);

}  // namespace tarnui
