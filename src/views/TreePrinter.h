// Printing a tree: the person chooses a printer, the tree text is written to "Treetmp.txt"
// in the temporary directory and printed in the device's own font, 67 lines per page, 100
// dots per line or less where the page is shorter (the font then shrinks to the step); every
// page after the first starts again with the heading and separator lines. Each line is drawn
// with one character fewer than it holds. The temporary file is deleted afterwards.
#pragma once

namespace tarnui {
class TreeControl;
}
struct TreePrintLayout;

inline constexpr const char* kTreePrintFileName = "Treetmp.txt";
inline constexpr int kTreeLinesPerPage = 67;
inline constexpr int kTreeLineStep = 100;

void PrintTree(tarnui::TreeControl& tree, TreePrintLayout& layout);
