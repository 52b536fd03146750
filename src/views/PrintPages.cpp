#include "src/views/PrintPages.h"

#include "platform/printing/PrintDialog.h"
#include "platform/printing/PrinterDC.h"

std::optional<tarnui::PrintChoice> ChoosePrinter(tarnui::Window& owner) {
    tarnui::PrintDialogRequest request;
    request.owner = &owner;
    request.returnDeviceContext = true;
    request.allowSelection = false;
    request.fromPage = request.toPage = request.minPage = request.maxPage = 1;
    request.copies = 1;
    return tarnui::ShowPrintDialog(request);
}

void PrintLinePages(tarnui::PrinterDC& dc, const std::vector<std::string>& lines,
                    const PrintPageLayout& layout, const std::string& documentName) {
    if (!dc.StartDoc(documentName) || !dc.StartPage()) {
        dc.AbortDoc();
        return;
    }
    int y = 0;
    int count = 0;
    auto draw = [&](const std::string& line) {
        dc.TextOut(0, y, line);
        ++count;
        y = static_cast<int>(y + layout.lineStep);
    };
    for (const std::string& line : lines) {
        // A full page is closed when the next line comes, so no page of head lines alone
        // ends a document.
        if (count == layout.linesPerPage) {
            dc.EndPage();
            dc.StartPage();
            y = 0;
            count = 0;
            for (const std::string& head : layout.pageHead) {
                draw(head);
            }
        }
        draw(line);
    }
    dc.EndPage();
    dc.EndDoc();
}
