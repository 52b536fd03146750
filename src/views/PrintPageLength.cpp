#include "src/views/PrintPageLength.h"

#include "platform/printing/PrinterDC.h"

double PageLengthDots(const tarnui::PrinterDC& dc) {
    const tarnui::DeviceSettings& settings = dc.Settings();
    tarnui::Size paper = tarnui::PaperSizeOf(settings.paperSize);
    if (settings.paperLength > 0 && settings.paperWidth > 0) {
        paper = {settings.paperWidth, settings.paperLength};
    }
    // In landscape the page runs along the paper's width.
    const int paperLength = settings.landscape ? paper.cx : paper.cy;
    if (paperLength <= 0) {
        return dc.PageSizeDots().cy;
    }
    const int dotsPerInch = settings.printQuality > 0 ? settings.printQuality : dc.DotsPerInch();
    return paperLength / 254.0 * dotsPerInch;
}
