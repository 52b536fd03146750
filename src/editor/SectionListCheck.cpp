#include "src/editor/SectionListCheck.h"

#include <array>
#include <utility>

#include "src/editor/CheckText.h"
#include "src/editor/SectionCheckErrors.h"
#include "src/editor/SectionGroupSplit.h"

using checktext::IsBlankOrTab;
using checktext::IsWhiteSpace;
using checktext::TrimLeft;
using checktext::TrimRight;
using checktext::TrimWhiteSpace;
using sectionsplit::StripWholeGroup;
using sectionsplit::TrimLeftView;
using sectionsplit::TrimRightView;

namespace {

constexpr bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsNameSymbol(char c) {
    return c == '$' || c == '*' || c == '_';
}

// The characters of a section name, as a table for the scan of a run of them.
constexpr std::array<bool, 256> MakeNameCharacters() {
    std::array<bool, 256> names{};
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        names[c] = IsLetter(ch) || IsDigit(ch) || IsNameSymbol(ch);
    }
    return names;
}
constexpr std::array<bool, 256> kNameCharacter = MakeNameCharacters();

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

    // A run of name characters from `first` to `last`: the same as taking them one by one.
    int TakeName(char first, char last) {
        if (previous_ == ')' || (tokenEmpty_ && IsDigit(first))) {
            return kCheckInvalidCharacter;
        }
        tokenEmpty_ = false;
        previous_ = last;
        return kCheckSuccess;
    }

    int depth() const { return depth_; }
    char previous() const { return previous_; }

private:
    int Classify(char c) {
        // Delimiters first: runs of name characters mostly arrive through TakeName.
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
                break;
        }
        if (IsDigit(c)) {
            // A name does not begin with a digit.
            return tokenEmpty_ ? kCheckInvalidCharacter : AppendNameCharacter(c);
        }
        if (IsLetter(c) || IsNameSymbol(c)) {
            return AppendNameCharacter(c);
        }
        return kCheckInvalidCharacter;
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
    std::string storage;
    const std::string_view normal = NormalSectionView(text, storage);
    if (normal.size() != text.size()) {
        text = std::string(normal);
    }
}

std::string_view NormalSectionView(std::string_view text, std::string& storage) {
    std::string_view normal = TrimWhiteSpace(text);
    // Most texts are already normal: only one with white space to drop is copied.
    if (checktext::HoldsEither(normal, ' ', '\t')) {
        storage.clear();
        storage.reserve(normal.size());
        for (char c : normal) {
            if (!IsBlankOrTab(c)) {
                storage.push_back(c);
            }
        }
        normal = storage;
    }
    return StripWholeGroup(normal);
}

int CheckSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                     bool colonAllowed) {
    const std::string_view trimmed = TrimWhiteSpace(text);
    SectionListScanner scanner(partialAllowed, colonAllowed);
    for (size_t i = 0; i < trimmed.size();) {
        // Names make up most of a list: a run of name characters is taken at once.
        if (kNameCharacter[static_cast<unsigned char>(trimmed[i])]) {
            const auto isName = [&trimmed](size_t at) {
                return kNameCharacter[static_cast<unsigned char>(trimmed[at])];
            };
            size_t end = i + 1;
            // Four at a time while all four are name characters, then one by one.
            while (end + 4 <= trimmed.size() &&
                   (isName(end) & isName(end + 1) & isName(end + 2) & isName(end + 3))) {
                end += 4;
            }
            while (end < trimmed.size() && isName(end)) {
                ++end;
            }
            if (const int error = scanner.TakeName(trimmed[i], trimmed[end - 1]);
                error != kCheckSuccess) {
                return error;
            }
            i = end;
            continue;
        }
        if (const int error = scanner.Take(trimmed[i]); error != kCheckSuccess) {
            return error;
        }
        ++i;
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
    std::string storage;
    return HasTopLevelOverlayInNormal(NormalSectionView(text, storage));
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

bool ForEachSectionGroup(std::string_view text, bool overlayAllowed, bool partialAllowed,
                         const SectionGroupSink& take) {
    if (CheckSectionList(text, overlayAllowed, partialAllowed, true) != kCheckSuccess) {
        return false;
    }
    std::string storage;
    ForEachGroupOfValidText(NormalSectionView(text, storage), take);
    return true;
}

bool SplitPartPassesCheck(std::string_view part, bool overlayAllowed) {
    return overlayAllowed || HasTopLevelOverlayInNormal(part) == 0;
}

void SplitSectionList(std::string_view text, bool overlayAllowed, bool partialAllowed,
                      std::vector<CLinkerSubSectionGroup>& groups) {
    groups.clear();
    ForEachSectionGroup(text, overlayAllowed, partialAllowed,
                        [&groups](std::string_view part, uint32_t overlay) {
                            groups.emplace_back(std::string(part), overlay);
                        });
}
