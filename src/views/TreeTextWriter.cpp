#include "src/views/TreeTextWriter.h"

#include "platform/controls/TreeControl.h"
#include "src/views/PrintTextFile.h"

namespace {

int ColumnChars(const TreePrintLayout& layout, int column) {
    return column < kTreeTextMaxColumns ? layout.columnChars[column] : 0;
}

bool WriteHeadings(const tarnui::TreeControl& tree, TreePrintLayout& layout,
                   const std::string& path) {
    PrintTextFile file(path, PrintTextFile::Mode::Create);
    if (!file.IsOpen()) {
        return false;
    }
    const int total = tree.TotalColumnWidth();
    std::string line;
    for (int c = 0; c < tree.GetColumnCount(); ++c) {
        const int chars = total > 0 ? static_cast<int>(static_cast<double>(tree.GetColumnWidth(c)) /
                                                       total * kTreeTextWidth)
                                    : 0;
        if (c < kTreeTextMaxColumns) {
            layout.columnChars[c] = chars;
        }
        const std::string title = tree.GetColumnTitle(c);
        if (chars >= static_cast<int>(title.size())) {
            line += title;
            line.append(chars - title.size(), ' ');
        }
    }
    if (!line.empty()) {
        layout.headingLine = line;
        layout.separatorLine.assign(line.size(), '-');
        file.WriteLine(layout.headingLine);
        file.WriteLine(layout.separatorLine);
    }
    return file.Close();
}

std::string TreeColumnText(const tarnui::TreeControl& tree, tarnui::TreeItem item, int indent) {
    std::string prefix;
    if (!tree.ItemHasChildren(item)) {
        prefix = " |--- ";
    } else if (tree.IsExpanded(item)) {
        prefix = "[-]-- ";
    } else {
        prefix = "[+]-- ";
    }
    std::string text(indent, ' ');
    if (indent >= 2) {
        for (int position = 1; position < indent; position += 2) {
            text[position] = '|';
        }
    }
    return text + prefix + tree.GetItemText(item, 0);
}

void WriteLevel(const tarnui::TreeControl& tree, const TreePrintLayout& layout, PrintTextFile& file,
                tarnui::TreeItem first, int indent) {
    for (tarnui::TreeItem item = first; item != 0; item = tree.GetNextSiblingItem(item)) {
        std::string line;
        for (int c = 0; c < tree.GetColumnCount(); ++c) {
            std::string text =
                c == 0 ? TreeColumnText(tree, item, indent) : tree.GetItemText(item, c);
            const int width = ColumnChars(layout, c);
            const int length = static_cast<int>(text.size());
            if (length < width) {
                text.append(width - length, ' ');
            } else if (length > width && indent > 0) {
                // Lower levels keep the first width - 1 characters and the last one.
                text = width > 0 ? text.substr(0, width - 1) + text.back() : std::string();
            }
            line += text;
        }
        if (!line.empty()) {
            file.WriteLine(line);
        }
        if (tree.ItemHasChildren(item) && tree.IsExpanded(item)) {
            WriteLevel(tree, layout, file, tree.GetChildItem(item), indent + 2);
        }
    }
}

}  // namespace

int WriteTreeText(const tarnui::TreeControl& tree, TreePrintLayout& layout,
                  const std::string& path) {
    if (tree.IsHeaderShown() && !WriteHeadings(tree, layout, path)) {
        return 0;
    }
    PrintTextFile file(path, PrintTextFile::Mode::Append);
    if (!file.IsOpen()) {
        return 0;
    }
    WriteLevel(tree, layout, file, tree.GetRootItem(), 0);
    return file.Close() ? 1 : 0;
}
