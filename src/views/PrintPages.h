// The page loop the list and tree printers share: one document of pages of text lines, a
// fixed number of lines to a page, every page after the first starting again with the
// page's head lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/printing/DeviceSettings.h"

namespace tarnui {
class PrinterDC;
class Window;
}  // namespace tarnui

// The system print dialog as both printers show it: owned by the control, a device context
// asked for, no selection, pages 1 to 1, one copy. Nothing when the person cancels.
std::optional<tarnui::PrintChoice> ChoosePrinter(tarnui::Window& owner);

struct PrintPageLayout {
    int linesPerPage = 0;               // head lines included
    double lineStep = 0;                // dots from one line to the next (truncated as it adds)
    std::vector<std::string> pageHead;  // drawn at the top of every page after the first
};

// Prints the lines as they are given (the caller has shaped them for drawing) in the device
// context's current font. A printer that cannot start the document prints nothing.
void PrintLinePages(tarnui::PrinterDC& dc, const std::vector<std::string>& lines,
                    const PrintPageLayout& layout, const std::string& documentName);
