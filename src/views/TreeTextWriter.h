// The tree text: optional heading lines (the column headings over 85 characters and a
// separator line of "-" as wide), then one line per item in depth-first order, through
// expanded items only. Each item's tree column starts with its indent (bars at odd
// positions for each level above it) and "[-]-- " (expanded), "[+]-- " (collapsed) or
// " |--- " (no children); column texts are padded or cut to the column widths in characters.
#pragma once

#include <array>
#include <string>

namespace tarnui {
class TreeControl;
}

inline constexpr int kTreeTextWidth = 85;
inline constexpr int kTreeTextMaxColumns = 20;

// What the tree text writer keeps for printing: the last heading and separator lines (without
// line end) and the column widths in characters (0 until headings were written).
struct TreePrintLayout {
    std::string headingLine;
    std::string separatorLine;
    std::array<int, kTreeTextMaxColumns> columnChars{};
};

// Writes the headings when the tree shows its column header (creating or emptying the file),
// then appends the items. 1 on success, 0 when the file cannot be opened.
int WriteTreeText(const tarnui::TreeControl& tree, TreePrintLayout& layout,
                  const std::string& path);
