#include "src/editor/SectionListCheck.h"

#include <utility>

#include "src/editor/CheckText.h"
#include "src/editor/SectionCheckErrors.h"

using checktext::IsBlankOrTab;
using checktext::IsWhiteSpace;
using checktext::TrimLeft;
using checktext::TrimRight;
using checktext::TrimWhiteSpace;

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameSymbol(char c) {
    return c == '$' || c == '*' || c == '_';
}

// Scans a section list; the final checks of CheckSectionList follow a complete scan.
class SectionListScanner {
public:
    SectionListScanner(bool partialAllowed, bool colonAllowed)
        : partialAllowed_(partialAllowed), colonAllowed_(colonAllowed) {}

    // 0 to go on, else the error that ends the scan.
    int Take(char c) {
        const int result = Classify(c);
        if (!IsWhiteSpace(c)) {
            previous_ = c;
        }
        return result;
    }

    int depth() const { return depth_; }
    char previous() const { return previous_; }

private:
    int Classify(char c) {
        if (IsLetter(c)) {
            return AppendNameCharacter(c);
        }
        if (IsDigit(c)) {
            // A name does not begin with a digit.
            return tokenEmpty_ ? kCheckInvalidCharacter : AppendNameCharacter(c);
        }
        if (IsNameSymbol(c)) {
            return AppendNameCharacter(c);
        }
        switch (c) {
            case ' ':
            case '\t':
                // A blank may stand before a name, never after a name character.
                return tokenEmpty_ ? kCheckSuccess : kCheckInvalidCharacter;
            case '(':
                return OpenGroup();
            case ')':
                return CloseGroup();
            case ',':
                return Comma();
            case ':':
                return Colon();
            default:
                return kCheckInvalidCharacter;
        }
    }

    int AppendNameCharacter(char) {
        if (previous_ == ')') {
            return kCheckInvalidCharacter;  // a name directly after a parenthesised group
        }
        tokenEmpty_ = false;
        return kCheckSuccess;
    }

    int OpenGroup() {
        // A name or another group directly before "(" leaves no delimiter between them.
        if (!tokenEmpty_ || previous_ == ')') {
            return kCheckIllegalParentheses;
        }
        if (++depth_ > 1) {
            return kCheckIllegalParentheses;
        }
        if (partialAllowed_) {
            groupHasOverlay_ = false;
        }
        return kCheckSuccess;
    }

    int CloseGroup() {
        if (--depth_ < 0) {
            return kCheckIllegalParentheses;
        }
        if (!tokenEmpty_) {
            tokenEmpty_ = true;
        } else if (previous_ != ')') {
            return kCheckIllegalParentheses;  // an empty group or a delimiter before ")"
        }
        if (partialAllowed_ && !groupHasOverlay_) {
            return kCheckIllegalParentheses;  // a partial overlay must hold ":"
        }
        return kCheckSuccess;
    }

    int Comma() {
        if (!tokenEmpty_) {
            tokenEmpty_ = true;
        } else if (previous_ != ')') {
            return kCheckIllegalDelimiter;
        }
        return kCheckSuccess;
    }

    int Colon() {
        if (tokenEmpty_) {
            return kCheckIllegalDelimiter;
        }
        tokenEmpty_ = true;
        if (overlayDepth_ < 0) {
            if (!colonAllowed_) {
                return partialAllowed_ ? kCheckOverlayNests : kCheckOverlayNotAllowed;
            }
            overlayDepth_ = depth_;
        } else if (overlayDepth_ != depth_) {
            return kCheckOverlayNests;
        }
        if (partialAllowed_ && overlayDepth_ > 0) {
            groupHasOverlay_ = true;
        }
        return kCheckSuccess;
    }

    const bool partialAllowed_;
    const bool colonAllowed_;
    bool tokenEmpty_ = true;
    int depth_ = 0;
    int overlayDepth_ = -1;  // depth of the first ":", -1 before any
    bool groupHasOverlay_ = true;
    char previous_ = '\0';  // last character that is not white space
};

std::string_view TrimLeftView(std::string_view text, char c) {
    const size_t keep = text.find_first_not_of(c);
    return keep == std::string_view::npos ? std::string_view() : text.substr(keep);
}

std::string_view TrimRightView(std::string_view text, char c) {
    const size_t last = text.find_last_not_of(c);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// A ":" outside parentheses in a text that is already normal (normalising it again would not
// change it).
int HasTopLevelOverlayInNormal(std::string_view normal) {
    int depth = 0;
    for (char c : normal) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ':' && depth == 0) {
            return 1;
        }
    }
    return 0;
}

}  // namespace

void NormalizeSectionText(std::string& text) {
    const std::string_view trimmed = TrimWhiteSpace(text);
    bool blanks = trimmed.size() != text.size();
    for (size_t i = 0; i < trimmed.size() && !blanks; ++i) {
        blanks = IsBlankOrTab(trimmed[i]);
    }
    // Most texts are already normal: only one with white space to drop is copied.
    if (blanks) {
        std::string result;
        result.reserve(trimmed.size());
        for (char c : trimmed) {
            if (!IsBlankOrTab(c)) {
                result.push_back(c);
            }
        }
        text = std::move(result);
    }
    if (!text.empty() && text.front() == '(') {
        int depth = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '(') {
                ++depth;
            } else if (text[i] == ')') {
                --depth;
            }
            if (depth == 0) {
                // Only a text that is one group as a whole loses its parentheses.
                if (i + 1 == text.size()) {
                    TrimLeft(text, '(');
                    TrimRight(text, ')');
                }
                break;
            }
        }
    }
}

int CheckSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                     bool colonAllowed) {
    const std::string_view trimmed = TrimWhiteSpace(text);
    SectionListScanner scanner(partialAllowed, colonAllowed);
    for (char c : trimmed) {
        if (const int error = scanner.Take(c); error != kCheckSuccess) {
            return error;
        }
    }
    if (trimmed.empty()) {
        return kCheckInvalidCharacter;
    }
    if (scanner.depth() != 0) {
        return kCheckIllegalParentheses;
    }
    if (scanner.previous() == ':' || scanner.previous() == ',') {
        return kCheckIllegalDelimiter;
    }
    int result = kCheckSuccess;
    if (!overlayAllowed && HasTopLevelOverlay(trimmed)) {
        result = kCheckOverlayNotAllowed;
    }
    if (!partialAllowed && HasParentheses(trimmed)) {
        result = kCheckPartialOverlayNotAllowed;
    }
    return result;
}

int HasTopLevelOverlay(std::string_view text) {
    if (text.find(':') == std::string_view::npos) {
        return 0;
    }
    std::string normal(text);
    NormalizeSectionText(normal);
    return HasTopLevelOverlayInNormal(normal);
}

int HasParentheses(std::string_view text) {
    return text.find_first_of("()") != std::string_view::npos ? 1 : 0;
}

int GetSectionTextKind(std::string_view text) {
    if (text.find(':') != std::string_view::npos) {
        return 2;
    }
    return text.find(',') != std::string_view::npos ? 1 : 0;
}

void SplitSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                      std::vector<CLinkerSubSectionGroup>& groups) {
    groups.clear();
    if (CheckSectionList(text, overlayAllowed, partialAllowed, true) != kCheckSuccess) {
        return;
    }
    std::string normal(text);
    NormalizeSectionText(normal);
    const bool topLevelOverlay = HasTopLevelOverlayInNormal(normal) != 0;
    const bool hasGroups = normal.find('(') != std::string::npos;

    uint32_t overlay = 0;
    auto append = [&groups, &overlay](std::string_view view) {
        std::string part(view);
        NormalizeSectionText(part);
        if (!part.empty()) {
            groups.emplace_back(std::move(part), overlay);
        }
    };
    const std::string_view all(normal);

    // A token runs from `begin` to the character that ends it; each is normalised once when
    // its group ends, so the walk stays linear.
    size_t begin = 0;
    int depth = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const auto token = [&] { return all.substr(begin, i + 1 - begin); };
        switch (all[i]) {
            case '(':
                ++depth;
                if (!topLevelOverlay && hasGroups && depth == 1) {
                    append(TrimRightView(TrimRightView(TrimLeftView(token(), ','), '('), ','));
                    begin = i;
                }
                break;
            case ')':
                --depth;
                if (!topLevelOverlay && hasGroups && depth == 0) {
                    append(token());
                    begin = i + 1;
                }
                break;
            case ',':
                if (!topLevelOverlay && !hasGroups && depth == 0) {
                    append(TrimRightView(TrimLeftView(token(), ','), ','));
                    begin = i + 1;
                }
                break;
            case ':':
                if (topLevelOverlay && depth == 0) {
                    append(TrimRightView(token(), ':'));
                    begin = i + 1;
                    overlay = 1;
                }
                break;
            default:
                break;
        }
    }
    append(TrimLeftView(all.substr(begin), ','));
}
