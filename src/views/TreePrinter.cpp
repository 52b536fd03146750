#include "src/views/TreePrinter.h"

#include <string>
#include <vector>

#include "platform/controls/TreeControl.h"
#include "platform/printing/PrintDialog.h"
#include "platform/printing/PrinterDC.h"
#include "src/views/PrintTextFile.h"
#include "src/views/TreeTextWriter.h"

namespace {

void DrawShortened(tarnui::PrinterDC& dc, int y, const std::string& line) {
    dc.TextOut(0, y, line.empty() ? line : line.substr(0, line.size() - 1));
}

void PrintLines(tarnui::PrinterDC& dc, const std::vector<std::string>& lines,
                const TreePrintLayout& layout, const std::string& documentName) {
    if (!dc.StartDoc(documentName) || !dc.StartPage()) {
        dc.AbortDoc();
        return;
    }
    int y = 0;
    int count = 0;
    for (const std::string& line : lines) {
        // A full page is closed when the next line comes, so no page of headings alone ends
        // a document.
        if (count == kTreeLinesPerPage) {
            dc.EndPage();
            dc.StartPage();
            DrawShortened(dc, 0, layout.headingLine);
            DrawShortened(dc, kTreeLineStep, layout.separatorLine);
            y = 2 * kTreeLineStep;
            count = 2;
        }
        DrawShortened(dc, y, line);
        y += kTreeLineStep;
        ++count;
    }
    dc.EndPage();
    dc.EndDoc();
}

}  // namespace

void PrintTree(tarnui::TreeControl& tree, TreePrintLayout& layout) {
    tarnui::PrintDialogRequest request;
    request.owner = &tree;
    request.returnDeviceContext = true;
    request.allowSelection = false;
    request.fromPage = request.toPage = request.minPage = request.maxPage = 1;
    request.copies = 1;
    const std::optional<tarnui::PrintChoice> choice = tarnui::ShowPrintDialog(request);
    if (!choice) {
        return;
    }
    const std::string path = TempPrintFilePath(kTreePrintFileName);
    // The items are appended to what the headings wrote: start from no file at all.
    RemovePrintFile(path);
    std::vector<std::string> lines;
    if (WriteTreeText(tree, layout, path) == 1 && ReadPrintTextLines(path, lines)) {
        tarnui::PrinterDC dc(choice->settings);
        PrintLines(dc, lines, layout, path);
    }
    RemovePrintFile(path);
}
