#include "src/views/ListPrinter.h"

#include <string>
#include <vector>

#include "platform/controls/ListControl.h"
#include "platform/printing/PrintDialog.h"
#include "platform/printing/PrinterDC.h"
#include "src/views/ListTextWriter.h"
#include "src/views/PrintPageLength.h"
#include "src/views/PrintTextFile.h"

namespace {

std::string WithoutTrailingBlanks(std::string line) {
    const size_t end = line.find_last_not_of(" \t\r\n\v\f");
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

void PrintLines(tarnui::PrinterDC& dc, const std::vector<std::string>& lines,
                const std::string& documentName) {
    const double pageLength = PageLengthDots(dc);
    const int fontHeight = static_cast<int>(pageLength * 0.9 / 67);
    dc.SelectFont(tarnui::Font{"Courier New", fontHeight, 0, tarnui::kWeightNormal, false, 1});
    if (!dc.StartDoc(documentName) || !dc.StartPage()) {
        dc.AbortDoc();
        return;
    }
    int y = 0;
    int count = 0;
    for (const std::string& line : lines) {
        // A full page is closed when the next line comes, so no empty page ends a document.
        if (count == kListLinesPerPage) {
            dc.EndPage();
            dc.StartPage();
            y = 0;
            count = 0;
        }
        dc.TextOut(0, y, WithoutTrailingBlanks(line));
        ++count;
        y = static_cast<int>(y + pageLength / 68);
    }
    dc.EndPage();
    dc.EndDoc();
}

}  // namespace

void PrintList(tarnui::ListControl& list) {
    const std::string path = TempPrintFilePath(kListPrintFileName);
    std::vector<std::string> lines;
    if (WriteListText(list, path) == 1 && ReadPrintTextLines(path, lines)) {
        tarnui::PrintDialogRequest request;
        request.owner = &list;
        request.returnDeviceContext = true;
        request.allowSelection = false;
        request.fromPage = request.toPage = request.minPage = request.maxPage = 1;
        request.copies = 1;
        if (const std::optional<tarnui::PrintChoice> choice = tarnui::ShowPrintDialog(request)) {
            tarnui::PrinterDC dc(choice->settings);
            PrintLines(dc, lines, path);
        }
    }
    RemovePrintFile(path);
}
