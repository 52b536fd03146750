#include "src/views/ListPrinter.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/controls/ListControl.h"
#include "platform/printing/PrinterDC.h"
#include "src/views/ListTextWriter.h"
#include "src/views/PrintPageLength.h"
#include "src/views/PrintPages.h"
#include "src/views/PrintTextFile.h"

namespace {

std::string WithoutTrailingBlanks(std::string line) {
    const size_t end = line.find_last_not_of(" \t\r\n\v\f");
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

void PrintLines(tarnui::PrinterDC& dc, std::vector<std::string> lines,
                const std::string& documentName) {
    // The page length follows the orientation, so 66 lines fill the page the person chose.
    const double pageLength = PageLengthDots(dc);
    const int fontHeight = static_cast<int>(pageLength * 0.9 / 67);
    dc.SelectFont(tarnui::Font{"Courier New", fontHeight, 0, tarnui::kWeightNormal, false, 1});
    for (std::string& line : lines) {
        line = WithoutTrailingBlanks(std::move(line));
    }
    PrintLinePages(dc, lines, {kListLinesPerPage, pageLength / 68, {}}, documentName);
}

}  // namespace

void PrintList(tarnui::ListControl& list) {
    const std::string path = TempPrintFilePath(kListPrintFileName);
    std::vector<std::string> lines;
    if (WriteListText(list, path) == 1 && ReadPrintTextLines(path, lines)) {
        if (const std::optional<tarnui::PrintChoice> choice = ChoosePrinter(list)) {
            tarnui::PrinterDC dc(choice->settings);
            PrintLines(dc, std::move(lines), path);
        }
    }
    RemovePrintFile(path);
}
