#include "src/views/TreePrinter.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/TreeControl.h"
#include "platform/printing/PrinterDC.h"
#include "src/views/PrintPageLength.h"
#include "src/views/PrintPages.h"
#include "src/views/PrintTextFile.h"
#include "src/views/TreeTextWriter.h"

namespace {

// Each line is drawn with one character fewer than it holds.
std::string Shortened(const std::string& line) {
    return line.empty() ? line : line.substr(0, line.size() - 1);
}

void PrintLines(tarnui::PrinterDC& dc, std::vector<std::string> lines,
                const TreePrintLayout& layout, const std::string& documentName) {
    // 67 lines at 100 dots overrun most pages: the step shrinks to what the page of the chosen
    // orientation holds, and the device font, when it is taller than the step, with it.
    const int step =
        std::min(kTreeLineStep, static_cast<int>(PageLengthDots(dc) / kTreeLinesPerPage));
    if (dc.CurrentFont().height > step) {
        tarnui::Font font = dc.CurrentFont();
        font.width = font.width * step / font.height;
        font.height = step;
        dc.SelectFont(font);
    }
    for (std::string& line : lines) {
        line = Shortened(line);
    }
    PrintLinePages(dc, lines,
                   {kTreeLinesPerPage,
                    static_cast<double>(step),
                    {Shortened(layout.headingLine), Shortened(layout.separatorLine)}},
                   documentName);
}

}  // namespace

void PrintTree(tarnui::TreeControl& tree, TreePrintLayout& layout) {
    const std::optional<tarnui::PrintChoice> choice = ChoosePrinter(tree);
    if (!choice) {
        return;
    }
    const std::string path = TempPrintFilePath(kTreePrintFileName);
    // The items are appended to what the headings wrote: start from no file at all.
    RemovePrintFile(path);
    std::vector<std::string> lines;
    if (WriteTreeText(tree, layout, path) == 1 && ReadPrintTextLines(path, lines)) {
        tarnui::PrinterDC dc(choice->settings);
        PrintLines(dc, std::move(lines), layout, path);
    }
    RemovePrintFile(path);
}
