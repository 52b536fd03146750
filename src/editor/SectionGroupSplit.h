// The split of a section list that passed the check (with colon allowed) and is normal, as a
// template so that the section setting tree takes each part without a call through a
// function object.
#pragma once

#include <cstdint>
#include <string_view>

namespace sectionsplit {

inline std::string_view TrimLeftView(std::string_view text, char c) {
    const size_t keep = text.find_first_not_of(c);
    return keep == std::string_view::npos ? std::string_view() : text.substr(keep);
}

inline std::string_view TrimRightView(std::string_view text, char c) {
    const size_t last = text.find_last_not_of(c);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// Only a text that is one parenthesised group as a whole loses its parentheses (all leading
// "(" and trailing ")").
inline std::string_view StripWholeGroup(std::string_view text) {
    if (text.empty() || text.front() != '(') {
        return text;
    }
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            --depth;
        }
        if (depth == 0) {
            return i + 1 == text.size() ? TrimRightView(TrimLeftView(text, '('), ')') : text;
        }
    }
    return text;
}

// Hands each part (its text, valid only during the call, and its overlay flag 0 or 1) to
// `take` in text order.
template <typename Take>
void ForEachGroupOfValidText(std::string_view all, Take&& take) {
    uint32_t overlay = 0;
    // A part of a normal text needs no trimming of white space: only a whole group's
    // parentheses go.
    const auto append = [&](std::string_view view) {
        const std::string_view part = StripWholeGroup(view);
        if (!part.empty()) {
            take(part, overlay);
        }
    };
    size_t begin = 0;
    if (all.find('(') == std::string_view::npos) {
        // Without "(" (and so without ")") everything stands at depth 0: a list with a ":" is
        // cut at every ":", every part after the first an overlay member; else at every ",".
        const bool topLevelOverlay = all.find(':') != std::string_view::npos;
        const char cut = topLevelOverlay ? ':' : ',';
        // Parts are short (a name or a few): a plain loop finds the next cut sooner than a
        // library search per part.
        const auto next = [all, cut](size_t from) {
            while (from < all.size() && all[from] != cut) {
                ++from;
            }
            return from < all.size() ? from : std::string_view::npos;
        };
        for (size_t i = next(0); i != std::string_view::npos; i = next(i + 1)) {
            const std::string_view token = all.substr(begin, i + 1 - begin);
            append(topLevelOverlay ? TrimRightView(token, ':')
                                   : TrimRightView(TrimLeftView(token, ','), ','));
            begin = i + 1;
            overlay = topLevelOverlay ? 1 : 0;
        }
    } else {
        // A valid text with "(" has no top-level ":" (each group holds the ":" of the text,
        // which stand at one depth), and its groups do not nest: each "(" has its ")" before
        // the next "(". The text before a group, the group and the rest are the parts.
        for (size_t open = all.find('('); open != std::string_view::npos;
             open = all.find('(', begin)) {
            const size_t close = all.find(')', open);
            if (close == std::string_view::npos) {
                break;
            }
            append(TrimRightView(
                TrimRightView(TrimLeftView(all.substr(begin, open + 1 - begin), ','), '('), ','));
            append(all.substr(open, close + 1 - open));
            begin = close + 1;
        }
    }
    append(TrimLeftView(all.substr(begin), ','));
}

}  // namespace sectionsplit

using sectionsplit::ForEachGroupOfValidText;
