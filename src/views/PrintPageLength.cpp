#include "src/views/PrintPageLength.h"

#include "platform/printing/PrinterDC.h"

double PageLengthDots(const tarnui::PrinterDC& dc) {
    const tarnui::DeviceSettings& settings = dc.Settings();
    int paperLength = 0;
    if (settings.paperLength > 0 && settings.paperWidth > 0) {
        paperLength = settings.paperLength;
    } else {
        paperLength = tarnui::PaperSizeOf(settings.paperSize).cy;
    }
    if (paperLength <= 0) {
        return dc.PageSizeDots().cy;
    }
    const int dotsPerInch = settings.printQuality > 0 ? settings.printQuality : dc.DotsPerInch();
    return paperLength / 254.0 * dotsPerInch;
}
